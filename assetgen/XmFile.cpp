#include "XmFile.h"

#include "Bytes.h"

#include <stdexcept>

namespace assets::xm {
namespace {

void require(bool ok, const char* what) {
    if (!ok) throw std::invalid_argument(what);
}

// One pattern in the packed form: a flag byte (bit 7 set, bits 0..4 say
// which of note, instrument, volume, effect, parameter follow) and then
// the present fields.
std::vector<std::uint8_t> packPattern(const Pattern& p) {
    ByteWriter out;
    for (int row = 0; row < p.rows; ++row) {
        for (int ch = 0; ch < p.channels; ++ch) {
            const Cell& c = p.at(row, ch);
            std::uint8_t flags = 0x80;
            if (c.note) flags |= 0x01;
            if (c.instrument) flags |= 0x02;
            if (c.volume) flags |= 0x04;
            if (c.effect) flags |= 0x08;
            if (c.param) flags |= 0x10;
            if (flags == 0x9F) {  // everything present: the plain five bytes are shorter
                out.u8(c.note);
                out.u8(c.instrument);
                out.u8(c.volume);
                out.u8(c.effect);
                out.u8(c.param);
                continue;
            }
            out.u8(flags);
            if (c.note) out.u8(c.note);
            if (c.instrument) out.u8(c.instrument);
            if (c.volume) out.u8(c.volume);
            if (c.effect) out.u8(c.effect);
            if (c.param) out.u8(c.param);
        }
    }
    return out.take();
}

void writeEnvelopePoints(ByteWriter& out, const Envelope& e) {
    for (std::size_t i = 0; i < 12; ++i) {
        if (i < e.points.size()) {
            out.u16(e.points[i].first);
            out.u16(e.points[i].second);
        } else {
            out.u16(0);
            out.u16(0);
        }
    }
}

std::uint8_t envelopeType(const Envelope& e) {
    if (e.points.empty()) return 0;
    std::uint8_t type = 1;
    if (e.sustain >= 0) type |= 2;
    if (e.loopStart >= 0 && e.loopEnd >= 0) type |= 4;
    return type;
}

void checkEnvelope(const Envelope& e) {
    require(e.points.size() <= 12, "an envelope has at most 12 points");
    for (std::size_t i = 1; i < e.points.size(); ++i)
        require(e.points[i].first > e.points[i - 1].first, "envelope ticks must rise");
    for (const auto& [tick, value] : e.points) require(value <= 64, "envelope values are 0..64");
    const int n = static_cast<int>(e.points.size());
    require(e.sustain < n && e.loopStart < n && e.loopEnd < n, "envelope point index out of range");
}

}  // namespace

std::vector<std::uint8_t> encode(const Module& m) {
    require(m.channels >= 1 && m.channels <= 32, "1..32 channels");
    require(!m.order.empty() && m.order.size() <= 256, "1..256 order entries");
    require(m.restartPosition >= 0 && m.restartPosition < static_cast<int>(m.order.size()),
            "restart position inside the order list");
    require(m.patterns.size() <= 256, "at most 256 patterns");
    require(m.instruments.size() <= 128, "at most 128 instruments");
    require(m.tempo >= 1 && m.tempo <= 31 && m.bpm >= 32 && m.bpm <= 255, "tempo 1..31, BPM 32..255");
    for (std::uint8_t o : m.order) require(o < m.patterns.size(), "order names a missing pattern");

    ByteWriter out;
    out.fixed("Extended Module: ", 17);
    out.fixed(m.name, 20);
    out.u8(0x1A);
    out.fixed(m.tracker, 20);
    out.u16(0x0104);
    out.u32(276);  // header size from here: 20 bytes of fields + 256 of order
    out.u16(static_cast<std::uint16_t>(m.order.size()));
    out.u16(static_cast<std::uint16_t>(m.restartPosition));
    out.u16(static_cast<std::uint16_t>(m.channels));
    out.u16(static_cast<std::uint16_t>(m.patterns.size()));
    out.u16(static_cast<std::uint16_t>(m.instruments.size()));
    out.u16(m.linearFrequencies ? 1 : 0);
    out.u16(static_cast<std::uint16_t>(m.tempo));
    out.u16(static_cast<std::uint16_t>(m.bpm));
    for (std::size_t i = 0; i < 256; ++i) out.u8(i < m.order.size() ? m.order[i] : 0);

    for (const Pattern& p : m.patterns) {
        require(p.channels == m.channels, "pattern channel count differs from the module's");
        require(p.rows >= 1 && p.rows <= 256, "1..256 rows per pattern");
        for (const Cell& c : p.cells) {
            require(c.note <= kKeyOff, "note out of range");
            require(c.instrument <= m.instruments.size(), "cell names a missing instrument");
        }
        const std::vector<std::uint8_t> packed = packPattern(p);
        require(packed.size() <= 0xFFFF, "pattern too large");
        out.u32(9);
        out.u8(0);
        out.u16(static_cast<std::uint16_t>(p.rows));
        out.u16(static_cast<std::uint16_t>(packed.size()));
        out.bytes(packed.data(), packed.size());
    }

    for (const Instrument& ins : m.instruments) {
        require(ins.samples.size() <= 16, "at most 16 samples per instrument");
        checkEnvelope(ins.volumeEnvelope);
        checkEnvelope(ins.panningEnvelope);
        const std::size_t start = out.size();
        out.u32(0);  // size, patched below
        out.fixed(ins.name, 22);
        out.u8(0);
        out.u16(static_cast<std::uint16_t>(ins.samples.size()));
        if (!ins.samples.empty()) {
            out.u32(40);  // sample header size
            for (std::uint8_t s : ins.keymap) {
                require(s < ins.samples.size(), "keymap names a missing sample");
                out.u8(s);
            }
            writeEnvelopePoints(out, ins.volumeEnvelope);
            writeEnvelopePoints(out, ins.panningEnvelope);
            out.u8(static_cast<std::uint8_t>(ins.volumeEnvelope.points.size()));
            out.u8(static_cast<std::uint8_t>(ins.panningEnvelope.points.size()));
            auto index = [](int i) { return static_cast<std::uint8_t>(i < 0 ? 0 : i); };
            out.u8(index(ins.volumeEnvelope.sustain));
            out.u8(index(ins.volumeEnvelope.loopStart));
            out.u8(index(ins.volumeEnvelope.loopEnd));
            out.u8(index(ins.panningEnvelope.sustain));
            out.u8(index(ins.panningEnvelope.loopStart));
            out.u8(index(ins.panningEnvelope.loopEnd));
            out.u8(envelopeType(ins.volumeEnvelope));
            out.u8(envelopeType(ins.panningEnvelope));
            out.u8(ins.vibratoType);
            out.u8(ins.vibratoSweep);
            out.u8(ins.vibratoDepth);
            out.u8(ins.vibratoRate);
            out.u16(ins.fadeout);
            // Reserved words pad the header to the 263 bytes that
            // FastTracker 2 itself writes.
            while (out.size() - start < 263) out.u8(0);
        }
        out.patchU32(start, static_cast<std::uint32_t>(out.size() - start));

        for (const Sample& s : ins.samples) {
            require(s.volume <= 64, "sample volume 0..64");
            if (s.loop != Sample::Loop::None)
                require(s.loopLength > 0 && s.loopStart + s.loopLength <= s.data.size(),
                        "sample loop inside the sample");
            out.u32(static_cast<std::uint32_t>(s.data.size() * 2));
            const bool loops = s.loop != Sample::Loop::None;
            out.u32(loops ? s.loopStart * 2 : 0);
            out.u32(loops ? s.loopLength * 2 : 0);
            out.u8(s.volume);
            out.u8(static_cast<std::uint8_t>(s.finetune));
            std::uint8_t type = 0x10;  // 16-bit
            if (s.loop == Sample::Loop::Forward)
                type |= 1;
            else if (s.loop == Sample::Loop::PingPong)
                type |= 2;
            out.u8(type);
            out.u8(s.panning);
            out.u8(static_cast<std::uint8_t>(s.relativeNote));
            out.u8(0);
            out.fixed(s.name, 22);
        }
        for (const Sample& s : ins.samples) {
            std::int16_t previous = 0;
            for (std::int16_t v : s.data) {
                out.u16(
                    static_cast<std::uint16_t>(static_cast<std::uint16_t>(v) - static_cast<std::uint16_t>(previous)));
                previous = v;
            }
        }
    }
    return out.take();
}

}  // namespace assets::xm
