#include "editor/HtmlTab.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor/GeneralWidgets.h"
#include "editor/Texts.h"
#include "editor/main.h"
#include "platform/HelpTopics.h"

namespace wendle {

namespace {

QLabel* linkLabel(const char* objectName, const char* caption, const char* hint, QWidget* parent) {
    auto* label = new QLabel(QString("<a href=\"#\">%1</a>").arg(caption), parent);
    label->setObjectName(objectName);
    label->setToolTip(hint);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    return label;
}

}  // namespace

HtmlTab::HtmlTab(TmainWindow& main, QWidget* parent) : QWidget(parent), main_(main) {
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(texts::kHtmlIntro, this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    htmlBox_ = new QPlainTextEdit(this);
    htmlBox_->setObjectName("htmlBox");
    htmlBox_->setReadOnly(true);
    htmlBox_->setLineWrapMode(QPlainTextEdit::NoWrap);
    htmlBox_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    htmlBox_->viewport()->installEventFilter(this);
    layout->addWidget(htmlBox_, 1);

    auto* copy = new QPushButton(texts::kCopyHtml, this);
    copy->setObjectName("SpeedButton9");
    connect(copy, &QPushButton::clicked, this, &HtmlTab::copyToClipboard);
    auto* copyRow = new QHBoxLayout;
    copyRow->addWidget(copy);
    copyRow->addStretch(1);
    copyRow->addWidget(makeHelpButton(this, "bHtmlHelp", main_, help_topics::kHtmlTab));
    layout->addLayout(copyRow);

    auto* notes = new QGroupBox(this);
    auto* grid = new QGridLayout(notes);
    auto* required = new QLabel(QString("<b>%1</b>").arg(texts::kRequiredFiles), notes);
    auto* important = new QLabel(QString("<b>%1</b>").arg(texts::kImportant), notes);
    auto* classFiles = linkLabel("c", texts::kClassFiles, texts::kClassFilesHint, notes);
    auto* imagesAndSounds =
        linkLabel("lImageSoundFolder", texts::kImagesAndSounds, texts::kImagesAndSoundsHint, notes);
    connect(classFiles, &QLabel::linkActivated, this, &HtmlTab::classFilesClicked);
    connect(imagesAndSounds, &QLabel::linkActivated, this, &HtmlTab::imagesAndSoundsClicked);

    auto* requiresRow = new QHBoxLayout;
    requiresRow->addWidget(new QLabel(texts::kRequiresFile, notes));
    requiresRow->addWidget(classFiles);
    requiresRow->addStretch(1);
    auto* alsoRow = new QHBoxLayout;
    alsoRow->addWidget(new QLabel(texts::kAlsoRequires, notes));
    alsoRow->addWidget(imagesAndSounds);
    alsoRow->addWidget(new QLabel(texts::kSameFolder, notes));
    alsoRow->addStretch(1);
    grid->addWidget(required, 0, 0, Qt::AlignTop);
    grid->addLayout(requiresRow, 0, 1);
    grid->addLayout(alsoRow, 1, 1);
    // Browsers of today run no applets; the script beside the class files
    // draws the bar in their place.
    auto* scriptNote = new QLabel(texts::kScriptLineNote, notes);
    scriptNote->setWordWrap(true);
    auto* scriptLine =
        new QLabel("<code>" + QString(texts::kScriptLine).toHtmlEscaped() + "</code>", notes);
    scriptLine->setObjectName("lScriptLine");
    scriptLine->setTextFormat(Qt::RichText);
    scriptLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* scriptFile = new QLabel(texts::kScriptFileNote, notes);
    scriptFile->setWordWrap(true);
    grid->addWidget(scriptNote, 2, 1);
    grid->addWidget(scriptLine, 3, 1);
    grid->addWidget(scriptFile, 4, 1);
    grid->addWidget(important, 5, 0, Qt::AlignTop);
    grid->addWidget(new QLabel(texts::kPutAllFiles, notes), 5, 1);
    grid->setColumnStretch(1, 1);
    layout->addWidget(notes);
}

void HtmlTab::setLines(const QStringList& lines) {
    htmlBox_->setUpdatesEnabled(false);
    htmlBox_->setPlainText(lines.join('\n'));
    htmlBox_->setUpdatesEnabled(true);
}

QStringList HtmlTab::lines() const {
    const QString text = htmlBox_->toPlainText();
    if (text.isEmpty())
        return {};
    return text.split('\n');
}

bool HtmlTab::eventFilter(QObject* watched, QEvent* event) {
    // A press on the pane shows the current block when there are unsaved
    // changes, so what the user copies by hand is never stale.
    if (watched == htmlBox_->viewport() && event->type() == QEvent::MouseButtonPress &&
        main_.applet().modified()) {
        main_.buildAppletHTML();
    }
    return QWidget::eventFilter(watched, event);
}

void HtmlTab::copyToClipboard() {
    main_.buildAppletHTML();
    htmlBox_->selectAll();
    QApplication::clipboard()->setText(htmlBox_->toPlainText());
}

}  // namespace wendle
