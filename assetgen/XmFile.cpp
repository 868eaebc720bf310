#include "XmFile.h"

#include "Bytes.h"

#include <stdexcept>

namespace dzwonex::assetgen::xm {
namespace {

void Require(bool ok, const char* what) {
    if (!ok) throw std::invalid_argument(what);
}

// One pattern in the packed form: a flag byte (bit 7 set, bits 0..4 say
// which of note, instrument, volume, effect, parameter follow) and then
// the present fields.
std::vector<std::uint8_t> PackPattern(const Pattern& p) {
    ByteWriter out;
    for (int row = 0; row < p.rows; ++row) {
        for (int ch = 0; ch < p.channels; ++ch) {
            const Cell& c = p.At(row, ch);
            std::uint8_t flags = 0x80;
            if (c.note) flags |= 0x01;
            if (c.instrument) flags |= 0x02;
            if (c.volume) flags |= 0x04;
            if (c.effect) flags |= 0x08;
            if (c.param) flags |= 0x10;
            if (flags == 0x9F) {  // everything present: the plain five bytes are shorter
                out.U8(c.note);
                out.U8(c.instrument);
                out.U8(c.volume);
                out.U8(c.effect);
                out.U8(c.param);
                continue;
            }
            out.U8(flags);
            if (c.note) out.U8(c.note);
            if (c.instrument) out.U8(c.instrument);
            if (c.volume) out.U8(c.volume);
            if (c.effect) out.U8(c.effect);
            if (c.param) out.U8(c.param);
        }
    }
    return out.Take();
}

void WriteEnvelopePoints(ByteWriter& out, const Envelope& e) {
    for (std::size_t i = 0; i < 12; ++i) {
        if (i < e.points.size()) {
            out.U16(e.points[i].first);
            out.U16(e.points[i].second);
        } else {
            out.U16(0);
            out.U16(0);
        }
    }
}

std::uint8_t EnvelopeType(const Envelope& e) {
    if (e.points.empty()) return 0;
    std::uint8_t type = 1;
    if (e.sustain >= 0) type |= 2;
    if (e.loopStart >= 0 && e.loopEnd >= 0) type |= 4;
    return type;
}

void CheckEnvelope(const Envelope& e) {
    Require(e.points.size() <= 12, "an envelope has at most 12 points");
    for (std::size_t i = 1; i < e.points.size(); ++i)
        Require(e.points[i].first > e.points[i - 1].first, "envelope ticks must rise");
    for (const auto& [tick, value] : e.points) Require(value <= 64, "envelope values are 0..64");
    const int n = static_cast<int>(e.points.size());
    Require(e.sustain < n && e.loopStart < n && e.loopEnd < n, "envelope point index out of range");
}

}  // namespace

std::vector<std::uint8_t> Encode(const Module& m) {
    Require(m.channels >= 1 && m.channels <= 32, "1..32 channels");
    Require(!m.order.empty() && m.order.size() <= 256, "1..256 order entries");
    Require(m.restartPosition >= 0 && m.restartPosition < static_cast<int>(m.order.size()),
            "restart position inside the order list");
    Require(m.patterns.size() <= 256, "at most 256 patterns");
    Require(m.instruments.size() <= 128, "at most 128 instruments");
    Require(m.tempo >= 1 && m.tempo <= 31 && m.bpm >= 32 && m.bpm <= 255, "tempo 1..31, BPM 32..255");
    for (std::uint8_t o : m.order) Require(o < m.patterns.size(), "order names a missing pattern");

    ByteWriter out;
    out.Fixed("Extended Module: ", 17);
    out.Fixed(m.name, 20);
    out.U8(0x1A);
    out.Fixed(m.tracker, 20);
    out.U16(0x0104);
    out.U32(276);  // header size from here: 20 bytes of fields + 256 of order
    out.U16(static_cast<std::uint16_t>(m.order.size()));
    out.U16(static_cast<std::uint16_t>(m.restartPosition));
    out.U16(static_cast<std::uint16_t>(m.channels));
    out.U16(static_cast<std::uint16_t>(m.patterns.size()));
    out.U16(static_cast<std::uint16_t>(m.instruments.size()));
    out.U16(m.linearFrequencies ? 1 : 0);
    out.U16(static_cast<std::uint16_t>(m.tempo));
    out.U16(static_cast<std::uint16_t>(m.bpm));
    for (std::size_t i = 0; i < 256; ++i) out.U8(i < m.order.size() ? m.order[i] : 0);

    for (const Pattern& p : m.patterns) {
        Require(p.channels == m.channels, "pattern channel count differs from the module's");
        Require(p.rows >= 1 && p.rows <= 256, "1..256 rows per pattern");
        for (const Cell& c : p.cells) {
            Require(c.note <= kKeyOff, "note out of range");
            Require(c.instrument <= m.instruments.size(), "cell names a missing instrument");
        }
        const std::vector<std::uint8_t> packed = PackPattern(p);
        Require(packed.size() <= 0xFFFF, "pattern too large");
        out.U32(9);
        out.U8(0);
        out.U16(static_cast<std::uint16_t>(p.rows));
        out.U16(static_cast<std::uint16_t>(packed.size()));
        out.Bytes(packed.data(), packed.size());
    }

    for (const Instrument& ins : m.instruments) {
        Require(ins.samples.size() <= 16, "at most 16 samples per instrument");
        CheckEnvelope(ins.volumeEnvelope);
        CheckEnvelope(ins.panningEnvelope);
        const std::size_t start = out.Size();
        out.U32(0);  // size, patched below
        out.Fixed(ins.name, 22);
        out.U8(0);
        out.U16(static_cast<std::uint16_t>(ins.samples.size()));
        if (!ins.samples.empty()) {
            out.U32(40);  // sample header size
            for (std::uint8_t s : ins.keymap) {
                Require(s < ins.samples.size(), "keymap names a missing sample");
                out.U8(s);
            }
            WriteEnvelopePoints(out, ins.volumeEnvelope);
            WriteEnvelopePoints(out, ins.panningEnvelope);
            out.U8(static_cast<std::uint8_t>(ins.volumeEnvelope.points.size()));
            out.U8(static_cast<std::uint8_t>(ins.panningEnvelope.points.size()));
            auto index = [](int i) { return static_cast<std::uint8_t>(i < 0 ? 0 : i); };
            out.U8(index(ins.volumeEnvelope.sustain));
            out.U8(index(ins.volumeEnvelope.loopStart));
            out.U8(index(ins.volumeEnvelope.loopEnd));
            out.U8(index(ins.panningEnvelope.sustain));
            out.U8(index(ins.panningEnvelope.loopStart));
            out.U8(index(ins.panningEnvelope.loopEnd));
            out.U8(EnvelopeType(ins.volumeEnvelope));
            out.U8(EnvelopeType(ins.panningEnvelope));
            out.U8(ins.vibratoType);
            out.U8(ins.vibratoSweep);
            out.U8(ins.vibratoDepth);
            out.U8(ins.vibratoRate);
            out.U16(ins.fadeout);
            // Reserved words pad the header to the 263 bytes that
            // FastTracker 2 itself writes.
            while (out.Size() - start < 263) out.U8(0);
        }
        out.PatchU32(start, static_cast<std::uint32_t>(out.Size() - start));

        for (const Sample& s : ins.samples) {
            Require(s.volume <= 64, "sample volume 0..64");
            if (s.loop != Sample::Loop::None)
                Require(s.loopLength > 0 && s.loopStart + s.loopLength <= s.data.size(),
                        "sample loop inside the sample");
            out.U32(static_cast<std::uint32_t>(s.data.size() * 2));
            const bool loops = s.loop != Sample::Loop::None;
            out.U32(loops ? s.loopStart * 2 : 0);
            out.U32(loops ? s.loopLength * 2 : 0);
            out.U8(s.volume);
            out.U8(static_cast<std::uint8_t>(s.finetune));
            std::uint8_t type = 0x10;  // 16-bit
            if (s.loop == Sample::Loop::Forward)
                type |= 1;
            else if (s.loop == Sample::Loop::PingPong)
                type |= 2;
            out.U8(type);
            out.U8(s.panning);
            out.U8(static_cast<std::uint8_t>(s.relativeNote));
            out.U8(0);
            out.Fixed(s.name, 22);
        }
        for (const Sample& s : ins.samples) {
            std::int16_t previous = 0;
            for (std::int16_t v : s.data) {
                out.U16(
                    static_cast<std::uint16_t>(static_cast<std::uint16_t>(v) - static_cast<std::uint16_t>(previous)));
                previous = v;
            }
        }
    }
    return out.Take();
}

}  // namespace dzwonex::assetgen::xm
