#include "module/setup_reader.h"

#include <filesystem>
#include <fstream>

#include "image_writer/image_writer.h"
#include "module/image.h"
#include "module/safe_file.h"
#include "module/user_messages.h"

namespace veka {

namespace {

// One read: the destinations chosen so far and the result being filled.
class TReader {
public:
    TReader(TVGS& image, TSetupFileHost& host, int currentPort, TSetupFileKind kind, TSetupReadResult& result)
        : Image(image), Writer(image), Host(host), CurrentPort(currentPort >= 0 && currentPort < kPortCount ? currentPort : 0),
          Kind(kind), Result(result) {}

    // False when the user cancelled a question.
    bool Section(const TSetupSection& section, const TSetupSection* next) {
        switch (section.Header.B0) {
            case skSystem: SystemSection(section); return true;
            case skPart: return PartSection(section, next && next->Header.B0 == skDrumMap);
            case skDrumMap: return DrumSection(section);
            case skUserDrum: return UserDrumSection(section);
            default: return true;  // a kind this program does not know: its items are skipped
        }
    }

    void Finish() {
        if (Kind == TSetupFileKind::OnePart && HasPart && HasMap) {
            // The part now plays the chosen map; its neighbours on that map share its drum set.
            Image.ShareDrumTone(PartPort, PartNumber, MapNumber);
            Writer.Part(PartPort, PartNumber, ppRhythm).Value = MapNumber;
            const int32_t tone = Image.Part(PartPort, PartNumber, ppToneNumber).Value;
            TDrumSetRecord& record = Image.DrumSet(PartPort, MapNumber);
            record.ToneMap = Image.Part(PartPort, PartNumber, ppToneMap).Value;
            record.Program = tone % 128;
        }
        if (Kind == TSetupFileKind::OneUserDrum) Image.CopyUserDrumsIntoMaps();
    }

private:
    bool English() const { return Image.Language == TLanguage::English; }
    std::string Message(int number) const { return std::string(UserMessage(number, Image.Language)); }

    // The title of a destination question: its own English text, message 24 in Japanese.
    std::string Title(const char* english) const { return English() ? std::string(english) : Message(24); }

    static std::optional<int> Checked(std::optional<int> answer, size_t count) {
        if (!answer || *answer < 0 || size_t(*answer) >= count) return std::nullopt;
        return answer;
    }

    // Loads a drum set into a map and notes it in the map's record, which the setup writer and
    // the user drum copy read.
    void LoadMap(int port, int map, int program, int toneMap) {
        Image.LoadDrumSet(port, map, program, toneMap);
        TDrumSetRecord& record = Image.DrumSet(port, map);
        record.ToneMap = toneMap;
        record.Program = program;
    }

    void SystemSection(const TSetupSection& section) {
        for (const TSetupRecord& item : section.Items) {
            Result.Sections.System = true;
            const int number = item.B0;
            if (!TVGS::ValidSystem(number)) continue;
            // A value outside its range would reach the module as some other value.
            TOneParameter& p = Writer.System(number);
            const int32_t value = item.V > p.Max ? p.Max : item.V < p.Min ? p.Min : item.V;
            p.Value = value;
            Image.ApplySystemSideEffects(number, value);
        }
    }

    bool PartSection(const TSetupSection& section, bool drumSectionFollows) {
        int port = 0, part = 0;
        if (Kind == TSetupFileKind::OnePart) {
            TSelectRequest request;
            request.Title = Title("Select a Part destination");
            request.Label = Message(38);
            for (int p = 0; p < Image.ActivePortCount(); ++p)
                for (int n = 1; n <= kPartsPerPort; ++n) request.Items.push_back("Part " + PartName(p, n));
            const auto answer = Checked(Host.ChoosePartDestination(request), request.Items.size());
            if (!answer) return false;
            GlobalPartToPortPart(*answer + 1, port, part);
            HasPart = true;
            PartPort = port;
            PartNumber = part;
        } else if (!GlobalPartToPortPart(section.Header.B1, port, part)) {
            // No such part: the section is skipped.
            if (!section.Items.empty()) Result.Sections.Part = true;
            return true;
        }
        for (const TSetupRecord& item : section.Items) {
            Result.Sections.Part = true;
            const int number = item.B1;
            if (number < 1 || number > kPartParameterCount) continue;
            TOneParameter& p = Writer.Part(port, part, number);
            // Values beyond the bounds are brought back into them (the upper bound depends on
            // the module type: a tone map 4 read for an SC-88 becomes 2).
            p.Value = item.V > p.Max ? p.Max : item.V < p.Min ? p.Min : item.V;
        }
        // A drum part's drum set goes into its map now, which resets the map's defaults; the
        // drum sections, later in the file, then restore the modified values. A ".1pg" whose
        // drum map follows loads it into the map the user chooses for it instead, so that a
        // map the part is not going to play is left alone.
        const int map = Image.Part(port, part, ppRhythm).Value;
        if (map >= 1 && map <= kDrumMapsPerPort && !(Kind == TSetupFileKind::OnePart && drumSectionFollows))
            LoadMap(port, map, Image.Part(port, part, ppToneNumber).Value % 128, Image.Part(port, part, ppToneMap).Value);
        return true;
    }

    bool ChooseMap(int port, const char* englishTitle, int titleMessage) {
        TSelectRequest request;
        request.Title = titleMessage > 0 ? Message(titleMessage) : Title(englishTitle);
        request.Label = Message(39);
        for (int m = 1; m <= kDrumMapsPerPort; ++m) request.Items.push_back("Drum Map " + DrumMapName(port, m));
        const auto answer = Checked(Host.ChooseDrumMapDestination(request), request.Items.size());
        if (!answer) return false;
        HasMap = true;
        MapPort = port;
        MapNumber = *answer + 1;
        return true;
    }

    bool DrumSection(const TSetupSection& section) {
        if (Kind == TSetupFileKind::OnePart) {
            const int port = HasPart ? PartPort : CurrentPort;
            if (!ChooseMap(port, nullptr, 41)) return false;
            if (HasPart) {
                const int32_t tone = Image.Part(port, PartNumber, ppToneNumber).Value;
                LoadMap(port, MapNumber, tone % 128, Image.Part(port, PartNumber, ppToneMap).Value);
            }
        } else if (Kind == TSetupFileKind::OneDrumMap) {
            if (!ChooseMap(CurrentPort, "Select a Drum Map destination", 0)) return false;
            SingleMapTone(section.Header);
        }
        for (const TSetupRecord& item : section.Items) {
            Result.Sections.DrumMap = true;
            int port = MapPort, map = MapNumber;
            if (!HasMap && !GlobalMapToPortMap(item.B0, port, map)) continue;
            if (!TVGS::ValidDrum(port, map, item.B2, item.B1)) continue;
            Writer.Drum(port, map, item.B2, item.B1).Value = item.V;
        }
        return true;
    }

    // A ".1dg" header carries the drum set the values belong to: B1 its tone map, B2 its
    // program (the writer puts them there; see CollectDrumMap). The parts playing the chosen
    // map take that drum set, and the map is loaded with it even when no part plays it, so the
    // values read next sit on the defaults they were saved against.
    void SingleMapTone(const TSetupRecord& header) {
        const int port = MapPort, map = MapNumber;
        const int program = header.B2;
        if (program > 127) return;  // no drum set named: the values alone are read
        const int maxMap = Image.ToneMapOfModuleType();
        int toneMap = header.B1;
        if (toneMap < 1 || toneMap > 4) {
            // Not a tone map (a file carrying the map number there): keep the map's own.
            const int player = Image.FindPartByMap(port, map);
            toneMap = player > 0 ? Image.Part(port, player, ppToneMap).Value : maxMap;
        }
        if (toneMap > maxMap) toneMap = maxMap;
        if (toneMap < 1) toneMap = 1;
        bool played = false;
        for (int part = 1; part <= kPartsPerPort; ++part) {
            if (Image.Part(port, part, ppRhythm).Value != map) continue;
            played = true;
            Writer.Part(port, part, ppToneNumber).Value = program;
            Writer.Part(port, part, ppToneMap).Value = toneMap;
            Image.ShareDrumTone(port, part, map);
            Image.SetPartTone(port, part, map, program, toneMap, 0);  // transmits, loads the set
        }
        if (!played) Image.LoadDrumSet(port, map, program, toneMap);
        TDrumSetRecord& record = Image.DrumSet(port, map);
        record.ToneMap = toneMap;
        record.Program = program;
    }

    bool UserDrumSection(const TSetupSection& section) {
        if (Kind == TSetupFileKind::OneUserDrum) {
            TSelectRequest request;
            request.Title = Title("Select a User Drum Map destination");
            request.Label = Message(40);
            request.Items = {"User Drum Set 65", "User Drum Set 66"};
            const auto answer = Checked(Host.ChooseUserDrumDestination(request), request.Items.size());
            if (!answer) return false;
            UserSet = *answer;
        }
        for (const TSetupRecord& item : section.Items) {
            Result.Sections.UserDrum = true;
            const int set = UserSet ? *UserSet : item.B0;
            if (!TVGS::ValidUserDrum(set, item.B2, item.B1)) continue;
            Writer.UserDrum(set, item.B2, item.B1).Value = item.V;
            Result.UserDrumRead = true;
        }
        return true;
    }

    TVGS& Image;
    TImageWriter Writer;  // the records are stored without an event each
    TSetupFileHost& Host;
    const int CurrentPort;
    const TSetupFileKind Kind;
    TSetupReadResult& Result;
    bool HasPart = false;
    int PartPort = 0, PartNumber = 0;
    bool HasMap = false;
    int MapPort = 0, MapNumber = 0;
    std::optional<int> UserSet;
};

// An effect preset holds system items of its own block and nothing else.
bool HoldsOnlyBlock(const TParsedSetupFile& parsed, TSystemGroup group) {
    const TParameterRange range = SystemGroupRange(group);
    bool any = false;
    for (const TSetupSection& section : parsed.Sections) {
        if (section.Header.B0 != skSystem) return false;
        for (const TSetupRecord& item : section.Items) {
            if (item.B0 < range.First || item.B0 > range.Last) return false;
            any = true;
        }
    }
    return any;
}

// The first bytes of a file, for telling a foreign file from a damaged one.
std::vector<uint8_t> FilePrefix(const std::string& fileName, size_t count) {
    std::vector<uint8_t> bytes(count);
    std::ifstream in(fileName, std::ios::binary);
    in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(count));
    bytes.resize(size_t(in ? count : size_t(in.gcount())));
    return bytes;
}

}  // namespace

std::string TSetupReadResult::Text(TLanguage language) const {
    switch (Status) {
        case TSetupReadStatus::NotVeka:
        case TSetupReadStatus::Damaged: return std::string(UserMessage(Message, language));
        case TSetupReadStatus::FileError: return Detail;
        default: return {};
    }
}

TSetupReadResult ReadSetupBytes(TVGS& image, TSetupFileHost& host, int currentPort, TSetupFileKind kind,
                                std::span<const uint8_t> bytes, const std::string& fileName) {
    TSetupReadResult result;
    result.Kind = kind;
    const TParsedSetupFile parsed = ParseSetupFile(bytes);
    if (parsed.Error == TSetupParseError::NotVeka || parsed.Error == TSetupParseError::BadLength) {
        result.Status = parsed.Error == TSetupParseError::NotVeka ? TSetupReadStatus::NotVeka
                                                                  : TSetupReadStatus::Damaged;
        result.Message = parsed.Message();
        return result;
    }

    if (IsEffectPreset(kind) && !HoldsOnlyBlock(parsed, EffectPresetGroup(kind))) {
        // Another block's preset, or a setup renamed: taking it would change what the page
        // does not show, so nothing of it is taken.
        result.Status = TSetupReadStatus::Damaged;
        result.Message = 23;
        return result;
    }
    TReader reader(image, host, currentPort, kind, result);
    for (size_t i = 0; i < parsed.Sections.size(); ++i) {
        result.Headers.push_back(parsed.Sections[i].Header);
        const TSetupSection* next = i + 1 < parsed.Sections.size() ? &parsed.Sections[i + 1] : nullptr;
        if (!reader.Section(parsed.Sections[i], next)) {
            result.Status = TSetupReadStatus::Cancelled;
            return result;
        }
    }
    if (parsed.Error == TSetupParseError::SectionPastEnd) {
        // What was read stays; the rest of the file is not trusted.
        if (parsed.BrokenHeader) result.Headers.push_back(*parsed.BrokenHeader);
        result.Status = TSetupReadStatus::Damaged;
        result.Message = 23;
        return result;
    }
    reader.Finish();
    // Only a whole setup read to its end becomes the current file, so that a Save never
    // writes over a file that was not loaded.
    if (kind == TSetupFileKind::Ga4 || kind == TSetupFileKind::Ga3) host.SetCurrentFile(fileName);
    if (kind == TSetupFileKind::Ga3) host.ClearModified();
    return result;
}

TSetupReadResult ReadSetupFile(TVGS& image, TSetupFileHost& host, int currentPort, const std::string& fileName) {
    TSetupReadResult result;
    result.Kind = SetupFileKindOf(fileName);
    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadWholeFile(fileName, kMaxSetupFileSize, bytes, error)) {
        std::error_code ec;
        const uintmax_t size = std::filesystem::file_size(fileName, ec);
        if (!ec && size > kMaxSetupFileSize) {
            // Too large to be ours: still say "not for Veka" when it does not even start right.
            const TParsedSetupFile head = ParseSetupFile(FilePrefix(fileName, 6));
            result.Status = head.Error == TSetupParseError::NotVeka ? TSetupReadStatus::NotVeka
                                                                    : TSetupReadStatus::Damaged;
            result.Message = head.Error == TSetupParseError::NotVeka ? 22 : 23;
            result.Detail = error;
            return result;
        }
        result.Status = TSetupReadStatus::FileError;
        result.Detail = error;
        return result;
    }
    return ReadSetupBytes(image, host, currentPort, result.Kind, bytes, fileName);
}

}  // namespace veka
