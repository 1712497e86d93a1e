#include "shell/app/file_kinds.h"

#include <QStringList>

#include "shell/app/app_texts.h"

namespace veka {

namespace {

QString Text(TSetupFileKind kind, TLanguage language) { return QString::fromStdString(SetupFileKindText(kind, language)); }
QString Pattern(TSetupFileKind kind) { return "*." + QString::fromUtf8(SetupFileExtension(kind).data(), qsizetype(SetupFileExtension(kind).size())); }

}  // namespace

QString FileFilter(TSetupFileKind kind, TLanguage language) { return Text(kind, language) + " (" + Pattern(kind) + ")"; }

QString OpenFilters(TLanguage language) {
    QStringList filters{Text(TSetupFileKind::Ga4, language) + " (*.ga3 *.ga4)"};
    for (TSetupFileKind kind : {TSetupFileKind::OnePart, TSetupFileKind::OneDrumMap, TSetupFileKind::OneUserDrum, TSetupFileKind::Custom})
        filters << FileFilter(kind, language);
    return filters.join(QStringLiteral(";;"));
}

QString SysxFilter(TLanguage language) {
    // The message is written as "text|*.syx".
    const QString text = Message(99, language);
    const qsizetype bar = text.indexOf('|');
    return bar < 0 ? text : text.left(bar) + " (" + text.mid(bar + 1) + ")";
}

}  // namespace veka
