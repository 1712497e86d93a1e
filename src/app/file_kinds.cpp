#include "app/file_kinds.h"

#include <QStringList>

#include "app/app_texts.h"

namespace veka {

namespace {

QString Text(TSetupFileKind kind, TLanguage language) { return QString::fromStdString(SetupFileKindText(kind, language)); }
QString Pattern(TSetupFileKind kind) { return "*." + QString::fromUtf8(SetupFileExtension(kind).data(), qsizetype(SetupFileExtension(kind).size())); }

}  // namespace

QString FileFilter(TSetupFileKind kind, TLanguage language) { return Text(kind, language) + " (" + Pattern(kind) + ")"; }

QString SongFilter(TLanguage language) {
    return (language == TLanguage::Japanese ? QString::fromUtf8("ｽﾀﾝﾀﾞｰﾄﾞMIDIﾌｧｲﾙ") : QStringLiteral("Standard MIDI File")) +
           QStringLiteral(" (*.mid *.midi)");
}

QString OpenFilters(TLanguage language) {
    // The first entry shows every file the program opens, so that no kind stays hidden until
    // the filter is changed; each kind follows on its own, the songs last.
    constexpr TSetupFileKind kKinds[] = {TSetupFileKind::OnePart, TSetupFileKind::OneDrumMap,
                                         TSetupFileKind::OneUserDrum, TSetupFileKind::Custom};
    QStringList every{QStringLiteral("*.ga3"), QStringLiteral("*.ga4")};
    for (TSetupFileKind kind : kKinds) every << Pattern(kind);
    every << QStringLiteral("*.mid") << QStringLiteral("*.midi");
    const QString all = language == TLanguage::Japanese ? QString::fromUtf8("Veka で開けるﾌｧｲﾙ")
                                                        : QStringLiteral("Every file Veka opens");
    QStringList filters{all + " (" + every.join(' ') + ")", Text(TSetupFileKind::Ga4, language) + " (*.ga3 *.ga4)"};
    for (TSetupFileKind kind : kKinds) filters << FileFilter(kind, language);
    filters << SongFilter(language);
    return filters.join(QStringLiteral(";;"));
}

QString SysxFilter(TLanguage language) {
    // The message is written as "text|*.syx".
    const QString text = Message(99, language);
    const qsizetype bar = text.indexOf('|');
    return bar < 0 ? text : text.left(bar) + " (" + text.mid(bar + 1) + ")";
}

}  // namespace veka
