#include "editor/Advanced.h"
#include "editor/EditNames.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor/AppletDocument.h"
#include "editor/EditTexts.h"
#include "editor/Encoding.h"
#include "editor/GeneralTexts.h"
#include "editor/GeneralWidgets.h"
#include "editor/main.h"
#include "model/UpdatingControls.h"
#include "platform/HelpTopics.h"

namespace wendle {

namespace {

// The alternative HTML is one line of the document, so its box takes no
// line breaks: Enter adds none, and pasted lines are joined with blanks.
class OneLineMemo : public QPlainTextEdit {
  public:
    using QPlainTextEdit::QPlainTextEdit;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            event->accept();
            return;
        }
        QPlainTextEdit::keyPressEvent(event);
    }
    void insertFromMimeData(const QMimeData* source) override {
        QMimeData joined;
        joined.setText(singleLine(source->text()));
        QPlainTextEdit::insertFromMimeData(&joined);
    }
};

}  // namespace

TAdvancedWindow::TAdvancedWindow(TmainWindow& main, QWidget* parent)
    : QDialog(parent), main_(main) {
    namespace t = texts::general;
    setObjectName("AdvancedWindow");
    setWindowTitle(t::kAdvancedTitle);

    auto* altGroup = makeGroup(this, t::kAltHtmlGroup);
    mAltHTML_ = new OneLineMemo(altGroup);
    mAltHTML_->setObjectName("mAltHTML");
    mAltHTML_->setTabChangesFocus(true);
    auto* altLayout = new QVBoxLayout(altGroup);
    altLayout->addWidget(makeNote(altGroup, t::kAltHtmlNote));
    altLayout->addWidget(mAltHTML_);

    auto* loadingGroup = makeGroup(this, t::kLoadingGroup);
    eLoadingMessage_ = new QLineEdit(loadingGroup);
    eLoadingMessage_->setObjectName("eLoadingMessage");
    auto* fontColor = makeCommandButton(loadingGroup, "bFontColor", t::kLoadFontColor);
    auto* backgroundColor = makeCommandButton(loadingGroup, "bBackgroundColor", t::kLoadBkColor);
    auto* loadingLayout = new QGridLayout(loadingGroup);
    loadingLayout->addWidget(makeNote(loadingGroup, t::kLoadingNote), 0, 0, 1, 2);
    loadingLayout->addWidget(makeFieldLabel(loadingGroup, t::kLoadingMessage, eLoadingMessage_), 1,
                             0);
    loadingLayout->addWidget(eLoadingMessage_, 1, 1);
    auto* colours = new QHBoxLayout;
    colours->addWidget(fontColor);
    colours->addWidget(backgroundColor);
    colours->addStretch(1);
    loadingLayout->addLayout(colours, 2, 1);
    loadingLayout->setColumnStretch(1, 1);

    auto* close = makeCommandButton(this, "bClose", t::kClose);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(makeHelpButton(this, "bAdvancedHelp", main, help_topics::kAdvancedOptions));
    bottom->addStretch(1);
    bottom->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(altGroup, 1);
    layout->addWidget(loadingGroup);
    layout->addLayout(bottom);
    resize(420, 360);

    connect(mAltHTML_, &QPlainTextEdit::textChanged, this, &TAdvancedWindow::mAltHTMLChange);
    connect(eLoadingMessage_, &QLineEdit::textChanged, this,
            &TAdvancedWindow::eLoadingMessageChange);
    connect(fontColor, &QPushButton::clicked, this, &TAdvancedWindow::bFontColorClick);
    connect(backgroundColor, &QPushButton::clicked, this, &TAdvancedWindow::bBackgroundColorClick);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void TAdvancedWindow::run(TmainWindow& main) {
    TAdvancedWindow window(main, &main);
    window.exec();
}

void TAdvancedWindow::showEvent(QShowEvent* event) {
    {
        UpdatingControlsScope updating;
        const TVelkForm& applet = main_.applet();
        mAltHTML_->setPlainText(toQString(applet.altHTML()));
        eLoadingMessage_->setText(toQString(applet.loadText()));
    }
    QDialog::showEvent(event);
}

void TAdvancedWindow::mAltHTMLChange() {
    if (updatingControls())
        return;
    const std::string html = fromQString(singleLine(mAltHTML_->toPlainText()));
    main_.document().editForm(
        appletChangeName, [&html](FormValues& applet) { applet.altHTML = html; }, "mAltHTML");
}

void TAdvancedWindow::eLoadingMessageChange(const QString& text) {
    if (updatingControls())
        return;
    // The message travels inside the applet's parameters, where a bar or a
    // double quote would end it early.
    if (main_.checkCharacters2(text))
        return;
    const std::string loadText = fromQString(singleLine(text));
    main_.document().editForm(
        appletChangeName, [&loadText](FormValues& applet) { applet.loadText = loadText; },
        "eLoadingMessage");
}

void TAdvancedWindow::bFontColorClick() {
    const Colour colour = main_.getColor(main_.applet().loadFontColor());
    main_.document().editForm(appletChangeName,
                              [colour](FormValues& applet) { applet.loadFontColor = colour; });
}

void TAdvancedWindow::bBackgroundColorClick() {
    const Colour colour = main_.getColor(main_.applet().loadBkColor());
    main_.document().editForm(appletChangeName,
                              [colour](FormValues& applet) { applet.loadBkColor = colour; });
}

}  // namespace wendle
