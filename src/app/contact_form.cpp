#include "app/contact_form.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <QVBoxLayout>
#include <memory>

namespace veka {

namespace {

constexpr const char* kFormVersion = "4.01";
constexpr std::size_t kRuleLength = 78;
// The printed text keeps this far from every edge of the page.
constexpr qreal kPrintMarginInch = 0.2;

const char* Choose(TLanguage language, const char* japanese, const char* english) {
    return language == TLanguage::Japanese ? japanese : english;
}

std::string ModelLine(TLanguage language, int moduleType) {
    const bool japanese = language == TLanguage::Japanese;
    const std::string label = japanese ? "指定された音源 : " : "Model : ";
    switch (moduleType) {
        case 1: return label + (japanese ? "SC88" : "SC-88");
        case 2: return label + (japanese ? "SC88Pro" : "SC-88Pro");
        default: return label + (japanese ? "SC8850" : "SC-8850");
    }
}

// A device name with a line break would tear the form's layout apart.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

}  // namespace

std::string ContactFormText(const TMySysInfo& info, TLanguage language, int moduleType,
                            const std::vector<std::string>& inputLines,
                            const std::vector<std::string>& outputLines) {
    const std::string rule(kRuleLength, '-');
    std::string text;
    const auto line = [&text](const std::string& s) {
        text += s;
        text += '\n';
    };

    line(Choose(language, "お問い合わせの際はこのﾌｫｰﾑのｺﾋﾟｰにてお願いします。", "Please contact me by this format."));
    line(rule);
    line(std::string("Version : ") + kFormVersion);
    line(ModelLine(language, moduleType));
    line(rule);
    line("OS Version : " + info.OsVersionText());
    line("Total Phys : " + std::to_string(info.TotalPhysMB) + "M byte");
    line("Processor Type : " + info.ProcessorText());
    line(rule);
    line("MIDI Interface :");
    line("  Input");
    for (const std::string& device : inputLines) line("    " + OneLine(device));
    line("  Output");
    for (const std::string& device : outputLines) line("    " + OneLine(device));
    // Headings the user fills in before sending.
    for (const char* heading : {Choose(language, "お名前・御連絡先 :", "Your Name and e-mail :"),
                                Choose(language, "お使いのｼｰｹﾝｽｿﾌﾄ :", "Your music sequencer :"),
                                Choose(language, "お問い合わせ内容 :", "Your question :")}) {
        line(rule);
        line(heading);
        line("");
    }
    return text;
}

TInqWindow::TInqWindow(std::string text, TLanguage language, QWidget* parent) : QDialog(parent), Language(language) {
    setModal(true);
    setWindowTitle(QString::fromUtf8(Choose(language, "問い合わせﾌｫｰﾑ", "Contact Form")));

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setAcceptRichText(false);
    // The rules only line up in a fixed-pitch font without wrapping.
    RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    RichEdit1->setFont(fixed);
    RichEdit1->document()->setDefaultFont(fixed);
    RichEdit1->setPlainText(QString::fromStdString(text));

    bCopy = new QPushButton(QString::fromUtf8(Choose(language, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ", "Copy to Clipboard")), this);
    bPrint = new QPushButton(QString::fromUtf8(Choose(language, "印刷", "Print")), this);
    bClose = new QPushButton(QString::fromUtf8(Choose(language, "閉じる", "Close")), this);
    bClose->setDefault(true);
    connect(bCopy, &QPushButton::clicked, this, &TInqWindow::bCopyClick);
    connect(bPrint, &QPushButton::clicked, this, &TInqWindow::bPrintClick);
    connect(bClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bCopy);
    buttons->addWidget(bPrint);
    buttons->addStretch();
    buttons->addWidget(bClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RichEdit1);
    layout->addLayout(buttons);

    const int ruleWidth = QFontMetrics(fixed).horizontalAdvance(QString(int(kRuleLength) + 4, QLatin1Char('-')));
    resize(ruleWidth + 2 * RichEdit1->frameWidth() + 40, 480);

    RunPrintDialog = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };
}

QString TInqWindow::Text() const { return RichEdit1->toPlainText(); }

void TInqWindow::bCopyClick() { QGuiApplication::clipboard()->setText(Text()); }

void TInqWindow::bPrintClick() {
    QPrinter printer(QPrinter::HighResolution);
    if (!RunPrintDialog || !RunPrintDialog(printer)) return;
    if (!PrintTo(printer)) {
        const QString where = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        QMessageBox::warning(this, windowTitle(),
                             QString::fromUtf8(Choose(Language, "印刷できませんでした : ", "Could not print : ")) + where);
    }
}

bool TInqWindow::PrintTo(QPrinter& printer) const {
    printer.setFullPage(false);
    printer.setPageMargins(QMarginsF(kPrintMarginInch, kPrintMarginInch, kPrintMarginInch, kPrintMarginInch),
                           QPageLayout::Inch);

    // Laid out again at the printer's resolution, on pages of the printable size, without the
    // document's own margins (the page margins are all there is).
    const std::unique_ptr<QTextDocument> document(RichEdit1->document()->clone());
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    document->documentLayout()->setPaintDevice(&printer);
    QTextFrameFormat frame = document->rootFrame()->frameFormat();
    frame.setMargin(0);
    document->rootFrame()->setFrameFormat(frame);
    const QSizeF page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    document->setPageSize(page);

    for (int i = 0; i < document->pageCount(); ++i) {
        if (i > 0 && !printer.newPage()) return false;
        painter.save();
        painter.translate(0, -i * page.height());
        document->drawContents(&painter, QRectF(QPointF(0, i * page.height()), page));
        painter.restore();
    }
    return painter.end();
}

}  // namespace veka
