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
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor/GeneralWidgets.h"
#include "editor/Texts.h"
#include "editor/WrappedLabel.h"
#include "editor/main.h"
#include "platform/HelpTopics.h"
#include "web/BarSnippet.h"
#include "web/HtmlText.h"
#include "web/WebBar.h"

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

HtmlTab::HtmlTab(TmainWindow& main, QWidget* parent) : LazyPage(parent), main_(main) {}

void HtmlTab::build() {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* panes = new QTabWidget(this);
    panes->setObjectName("htmlPanes");
    outer->addWidget(panes);
    auto* htmlPane = new QWidget(panes);
    panes->addTab(htmlPane, texts::kHtmlPane);
    panes->addTab(buildWebPane(), texts::kWebPane);
    connect(panes, &QTabWidget::currentChanged, this, [this, panes](int index) {
        if (panes->widget(index) != panes->widget(0))
            showWebSnippet();
    });

    auto* layout = new QVBoxLayout(htmlPane);
    auto* intro = new WrappedLabel(texts::kHtmlIntro, this);
    layout->addWidget(intro);

    htmlBox_ = new QPlainTextEdit(this);
    htmlBox_->setObjectName("htmlBox");
    htmlBox_->setReadOnly(true);
    htmlBox_->setLineWrapMode(QPlainTextEdit::NoWrap);
    htmlBox_->viewport()->installEventFilter(this);
    layout->addWidget(htmlBox_, 1);
    setLines(unbuiltLines_);
    unbuiltLines_.clear();

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
    auto* scriptNote = new WrappedLabel(texts::kScriptLineNote, notes);
    auto* scriptLine =
        new QLabel("<code>" + QString(texts::kScriptLine).toHtmlEscaped() + "</code>", notes);
    scriptLine->setObjectName("lScriptLine");
    scriptLine->setTextFormat(Qt::RichText);
    scriptLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* scriptFile = new WrappedLabel(texts::kScriptFileNote, notes);
    grid->addWidget(scriptNote, 2, 1);
    grid->addWidget(scriptLine, 3, 1);
    grid->addWidget(scriptFile, 4, 1);
    grid->addWidget(important, 5, 0, Qt::AlignTop);
    grid->addWidget(new QLabel(texts::kPutAllFiles, notes), 5, 1);
    grid->setColumnStretch(1, 1);
    layout->addWidget(notes);

    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    htmlBox_->setFont(fixed);
    webBox_->setFont(fixed);
}

QWidget* HtmlTab::buildWebPane() {
    auto* pane = new QWidget(this);
    auto* layout = new QVBoxLayout(pane);
    auto* intro = new WrappedLabel(texts::kWebIntro, pane);
    layout->addWidget(intro);
    webBox_ = new QPlainTextEdit(pane);
    webBox_->setObjectName("webBox");
    webBox_->setReadOnly(true);
    webBox_->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(webBox_, 1);
    auto* copy = new QPushButton(texts::kCopyWeb, pane);
    copy->setObjectName("bCopyWeb");
    connect(copy, &QPushButton::clicked, this, [this] {
        showWebSnippet();
        webBox_->selectAll();
        QApplication::clipboard()->setText(webBox_->toPlainText());
    });
    auto* publish = new QPushButton(texts::kPublishWeb, pane);
    publish->setObjectName("bPublishWeb");
    connect(publish, &QPushButton::clicked, this, &HtmlTab::publishWebClicked);
    auto* row = new QHBoxLayout;
    row->addWidget(copy);
    row->addWidget(publish);
    row->addStretch(1);
    layout->addLayout(row);
    return pane;
}

void HtmlTab::showWebSnippet() {
    ensureBuilt();
    TVelkForm& applet = main_.applet();
    const std::optional<web::WebBar> bar = web::buildWebBar(applet);
    webBox_->setPlainText(
        bar ? QString::fromStdString(web::barSnippet(*bar, web::webName(applet.documentPath())))
            : QString(texts::kWebBarTooLarge));
}

void HtmlTab::setLines(const QStringList& lines) {
    if (!htmlBox_) {
        unbuiltLines_ = lines;
        return;
    }
    htmlBox_->setUpdatesEnabled(false);
    htmlBox_->setPlainText(lines.join('\n'));
    htmlBox_->setUpdatesEnabled(true);
}

QStringList HtmlTab::lines() const {
    if (!htmlBox_)
        return unbuiltLines_;
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
