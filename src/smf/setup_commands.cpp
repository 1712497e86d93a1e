#include "smf/setup_commands.h"

#include "module/image.h"
#include "smf/setup_merge.h"
#include "smf/smf.h"
#include "smf/temp_smf.h"

namespace veka {

std::string EmptyOrderListText(TLanguage language) {
    return language == TLanguage::Japanese ? "ｵｰﾀﾞｰ･ﾘｽﾄが空です" : "Order list is empty.";
}

std::string EmbedNoticeText(TLanguage language) {
    if (language == TLanguage::Japanese)
        return "この曲があなたの作った曲では無い場合、個人で楽しむ以外に権利者の承諾なく使用することは法律で禁じら"
               "れています。権利者に無断でそれらのデータの複製を作ったり、二次的著作物で利用したりしてはいけません。";
    return "If you are going to change the other's material, unauthorized use\r\nof the material for puposes other "
           "than private, personal\r\nenjoyment is a violation of applicable laws.";
}

bool ExportSmf(TVGS& image, TSMF& smf, const TOrderList& order, const std::string& path,
               const TSmfWriteOptions& options, const std::string& notice, std::string& error,
               const TProgress& progress) {
    if (order.empty()) {
        error = EmptyOrderListText(image.Language);
        return false;
    }
    smf.Clear();
    smf.Numerator = 4;
    smf.Denominator = 4;
    smf.TimeSignatureData.clear();
    smf.Notice = notice;
    smf.KeySignature = {0, 0};
    TSetupOptions setup;
    setup.TimeBase = options.TimeBase;
    setup.Tempo = kNewSmfTempo;
    setup.Format = options.Format;
    setup.WithText = options.WithText;
    setup.DummyNotes = options.DummyNotes;
    InstallSetup(smf, WriteSetup(image, order, setup, ConductorOf(smf), progress));
    smf.TimeBase = setup.TimeBase;
    smf.Tempo = kNewSmfTempo;
    const bool ok = smf.SaveToFile(path, options.Format);
    if (!ok) error = smf.LastError();
    smf.Clear();
    return ok;
}

bool LoadWorkingCopyForEmbedding(TSMF& smf, const std::string& tempSmfPath, std::string& error) {
    if (!LoadTempSmf(smf, tempSmfPath, error)) return false;
    RemoveOldSetup(smf);
    return true;
}

bool LoadSongForEmbedding(TSMF& smf, const std::string& songPath, std::string& error) {
    if (!smf.LoadFromFile(songPath)) {
        error = smf.LastError();
        return false;
    }
    // A song that carries a setup of ours gets the new one instead, not a second one.
    RemoveOldSetup(smf);
    return true;
}

bool EmbedSetup(TVGS& image, TSMF& smf, const TOrderList& order, const std::string& path,
                const TSmfWriteOptions& options, std::string& error, const TProgress& progress) {
    if (order.empty()) {
        error = EmptyOrderListText(image.Language);
        return false;
    }
    TSetupOptions setup;
    setup.TimeBase = smf.TimeBase;
    setup.Tempo = smf.Tempo;
    setup.TempoMicroseconds = smf.TempoMicroseconds;
    setup.Format = options.Format;
    setup.WithText = options.WithText;
    setup.DummyNotes = options.DummyNotes;
    setup.Embedding = true;
    MergeSetup(smf, WriteSetup(image, order, setup, ConductorOf(smf), progress));
    const bool ok = smf.SaveToFile(path, options.Format);
    if (!ok) error = smf.LastError();
    smf.Clear();
    return ok;
}

}  // namespace veka
