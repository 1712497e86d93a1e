#pragma once
// TSMF: one Standard MIDI File in memory as up to 128 track event lists, with the reader, the
// writer (format 0 and 1), track merging and splitting, and the conductor values taken out of
// the song while it is read (tempo, time signature, key signature, notice, names, texts).
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "module/language.h"
#include "module/progress.h"
#include "smf/smf_event.h"

namespace veka {

class TSMF {
public:
    static constexpr int kMaxTracks = 128;
    static constexpr uintmax_t kMaxFileSize = 64u * 1024u * 1024u;

    TSMF();

    // Track lists; TrackCount() is their number.
    std::vector<TSMFEventList> Tracks;
    int TrackCount() const { return int(Tracks.size()); }
    std::array<std::string, kMaxTracks> TrackNames;  // from meta 03 of each track

    int TimeBase = 48;  // ticks per quarter note
    int Format = 0;
    int Tempo = 0;                  // beats per minute of the first tempo event, 0 when none
    uint32_t TempoMicroseconds = 0; // its exact value, so a song keeps its tempo when rewritten
    int Numerator = 0;              // first time signature, 0 when none
    int Denominator = 0;
    std::vector<uint8_t> TimeSignatureData;  // its four bytes as read
    std::string Notice;                      // meta 02, the last read
    std::vector<uint8_t> KeySignature;       // meta 59, the last read
    std::vector<std::string> TextList;       // meta 01 texts at time 0 of track 0
    TLanguage Language = TLanguage::English;

    TProgressEvent OnProgress;
    TNotifyEvent OnFinished;

    // Frees every track; track count 0. The conductor values stay.
    void Clear();
    // Clears, then creates n empty lists; false (and nothing created) outside 0..128.
    bool SetTrackCount(int n);
    // Index of a new empty list after the last; -1 when 128 lists exist.
    int AddTrack();

    // Replaces the content with the file's. False with LastError() when the file cannot be
    // read or is no usable Standard MIDI File (then the content is empty). A file cut short
    // is read up to where it ends, with a note in Warnings(). System common messages (F1..F6)
    // in a track are stepped over, with one note in Warnings() for the file.
    bool LoadFromFile(const std::string& path);
    bool LoadFromBytes(std::span<const uint8_t> bytes, const std::string& name = {});
    // Writes the content as format 0 (which first merges every track into one) or 1, through
    // a temporary file renamed over path. False with LastError() when nothing is written.
    bool SaveToFile(const std::string& path, int format);
    // The file bytes SaveToFile writes; empty (with LastError()) when there is nothing to write.
    std::vector<uint8_t> SaveToBytes(int format);

    // Every track into track 0 in time order (lower track first at equal times); one End of
    // Track 10 ticks after the last event.
    void MergeTracks();
    // Track 0 back into tracks by each event's track field (see smf.cpp for the rule).
    void SplitTracks();

    // Appends a new event; false (with LastError() "イベント追加エラー") when it cannot be added.
    bool AddEvent(TSMFEventList& list, int32_t time, uint8_t track, uint8_t kind, int32_t metaType,
                  std::span<const uint8_t> data, uint8_t status, uint8_t data1, int32_t data2);

    // What LoadFromBytes does after reading the chunks: the first notice, time signature, key
    // signature and tempo of the song are taken out (their values stay in the fields above);
    // a format 1 song's tracks each end with one End of Track, as merging and splitting them
    // by each event's track field would leave them.
    void Normalise();

    // Bar length in ticks by the time signature (4/4 when there is none), at least 1.
    int BarLength() const;

    const std::string& LastError() const { return LastError_; }
    const std::vector<std::string>& Warnings() const { return Warnings_; }

private:
    bool ParseTrack(int index, std::span<const uint8_t> chunk, size_t fileOffset, size_t fileSize,
                    const std::string& name);
    void ReadMetaSideEffects(int track, int32_t absoluteTime, const TSMFEvent& e);
    void Progress(int maxValue, int current, const std::string& text) {
        if (OnProgress) OnProgress(maxValue, current, text);
    }

    std::string LastError_;
    std::vector<std::string> Warnings_;
    size_t NextProgress_ = 0;
    bool TempoSeen_ = false;
    bool TimeSignatureSeen_ = false;
    int SystemCommonSkipped_ = 0;  // system common messages stepped over while reading
};

}  // namespace veka
