#pragma once
#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "AudioLibrary.h"

namespace dzwonex::testing {

// A stand-in for the sound library that writes down every call with its
// arguments and results, and keeps enough state to answer the two "is
// playing" questions the way a real library would: a song plays from
// PlaySong until it is stopped, freed or ends by itself; a channel sounds
// from a play of a loaded sample until it is stopped, its sample is freed
// or it ends by itself. Zero handles, freed handles and a library that is
// not open make a call do nothing, as the game expects of a real library.
// Calls that a careful caller never makes (a handle used after its free,
// a second free, a channel outside 0..15, a call after Close) are also
// written to `misuse`.
class FakeAudioLibrary final : public AudioLibrary {
public:
    static constexpr int kChannels = 16;

    // What the next calls should find.
    bool initSucceeds = true;
    std::set<std::string> missingFiles;

    std::vector<std::string> calls;
    std::vector<std::string> misuse;

    // --- State a test can read or change ---
    bool open = false;
    bool closed = false;
    uint32_t playingSong = 0;
    std::array<uint32_t, kChannels> channelSample{};  // 0: silent
    std::array<int, kChannels> channelStarts{};       // plays that sounded
    std::map<uint32_t, std::string> songs;            // live handles
    std::map<uint32_t, std::string> samples;
    std::set<uint32_t> freedSongs, freedSamples;
    int musicVolume = kFullVolume;
    int effectsVolume = kFullVolume;

    // The module reached its end and stopped by itself.
    void EndSong() { playingSong = 0; }
    // The effect on the channel finished.
    void EndChannel(int channel) { channelSample.at(channel) = 0; }
    bool Sounding(int channel) const { return channelSample.at(channel) != 0; }
    std::string SampleOn(int channel) const {
        auto it = samples.find(channelSample.at(channel));
        return it == samples.end() ? std::string() : it->second;
    }

    // Setting up again after Close is allowed.
    void SetOutput(int output) override {
        closed = false;
        Log("SetOutput(" + std::to_string(output) + ")");
    }
    void SetDriver(int driver) override {
        closed = false;
        Log("SetDriver(" + std::to_string(driver) + ")");
    }
    bool Init(int mixRate, int maxChannels, unsigned flags) override {
        closed = false;
        Log("Init(" + std::to_string(mixRate) + "," + std::to_string(maxChannels) + "," + std::to_string(flags) + ")");
        open = initSucceeds;
        return open;
    }
    SongHandle LoadSong(const std::string& path) override {
        uint32_t id = 0;
        if (open && !missingFiles.contains(path)) {
            id = nextId_++;
            songs[id] = path;
        }
        Log("LoadSong(" + path + ")=" + std::to_string(id));
        return SongHandle{id};
    }
    void PlaySong(SongHandle song) override {
        Log("PlaySong(" + std::to_string(song.id) + ")");
        CheckSong(song);
        if (open && songs.contains(song.id)) playingSong = song.id;
    }
    bool IsSongPlaying(SongHandle song) override {
        CheckSong(song);
        bool playing = open && song.id != 0 && playingSong == song.id;
        Log("IsSongPlaying(" + std::to_string(song.id) + ")=" + (playing ? "1" : "0"));
        return playing;
    }
    void StopSong(SongHandle song) override {
        Log("StopSong(" + std::to_string(song.id) + ")");
        CheckSong(song);
        if (song.id != 0 && playingSong == song.id) playingSong = 0;
    }
    void FreeSong(SongHandle song) override {
        Log("FreeSong(" + std::to_string(song.id) + ")");
        CheckSong(song);
        if (song.id == 0) return;
        if (playingSong == song.id) misuse.push_back("song freed while playing");
        if (songs.erase(song.id) != 0) freedSongs.insert(song.id);
        if (playingSong == song.id) playingSong = 0;
    }
    SampleHandle SampleLoad(int slot, const std::string& path, unsigned mode, int length) override {
        uint32_t id = 0;
        if (open && !missingFiles.contains(path)) {
            id = nextId_++;
            samples[id] = path;
        }
        Log("SampleLoad(" + std::to_string(slot) + "," + path + "," + std::to_string(mode) + "," +
            std::to_string(length) + ")=" + std::to_string(id));
        return SampleHandle{id};
    }
    void PlaySound(int channel, SampleHandle sample) override {
        Log("PlaySound(" + std::to_string(channel) + "," + std::to_string(sample.id) + ")");
        CheckChannel(channel);
        CheckSample(sample);
        if (!open || !samples.contains(sample.id) || channel < 0 || channel >= kChannels) return;
        channelSample[channel] = sample.id;  // cuts off what sounded there
        ++channelStarts[channel];
    }
    bool IsChannelPlaying(int channel) override {
        CheckChannel(channel);
        bool playing = open && channel >= 0 && channel < kChannels && channelSample[channel] != 0;
        Log("IsChannelPlaying(" + std::to_string(channel) + ")=" + (playing ? "1" : "0"));
        return playing;
    }
    void StopSound(int channel) override {
        Log("StopSound(" + std::to_string(channel) + ")");
        CheckChannel(channel);
        if (channel >= 0 && channel < kChannels) channelSample[channel] = 0;
    }
    void SampleFree(SampleHandle sample) override {
        Log("SampleFree(" + std::to_string(sample.id) + ")");
        CheckSample(sample);
        if (sample.id == 0) return;
        for (auto& s : channelSample) {
            if (s == sample.id) {
                misuse.push_back("sample freed while sounding");
                s = 0;
            }
        }
        if (samples.erase(sample.id) != 0) freedSamples.insert(sample.id);
    }
    void SetMusicVolume(int volume) override {
        Log("SetMusicVolume(" + std::to_string(volume) + ")");
        if (open) musicVolume = volume;
    }
    void SetEffectsVolume(int volume) override {
        Log("SetEffectsVolume(" + std::to_string(volume) + ")");
        if (open) effectsVolume = volume;
    }
    void Close() override {
        Log("Close()");
        if (!songs.empty() || !samples.empty()) misuse.push_back("closed with handles still loaded");
        open = false;
        closed = true;
        playingSong = 0;
        channelSample.fill(0);
    }

    // The calls made since the last Clear.
    void Clear() { calls.clear(); }

private:
    void Log(std::string call) {
        if (closed && call != "Close()") misuse.push_back("after Close: " + call);
        calls.push_back(std::move(call));
    }
    void CheckSong(SongHandle h) {
        if (freedSongs.contains(h.id)) misuse.push_back("freed song used: " + std::to_string(h.id));
    }
    void CheckSample(SampleHandle h) {
        if (freedSamples.contains(h.id)) misuse.push_back("freed sample used: " + std::to_string(h.id));
    }
    void CheckChannel(int channel) {
        if (channel < 0 || channel >= kChannels) misuse.push_back("channel out of range: " + std::to_string(channel));
    }

    uint32_t nextId_ = 1;
};

}  // namespace dzwonex::testing
