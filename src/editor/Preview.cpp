#include "editor/Preview.h"

#include <QCloseEvent>
#include <QIcon>
#include <QResizeEvent>
#include <QToolBar>
#include <QVBoxLayout>

#include "editor/AppletView.h"
#include "editor/Texts.h"
#include "editor/main.h"
#include "model/UpdatingControls.h"

namespace wendle {

namespace {
constexpr int kMinimumClientHeight = kToolBarStrip + 1;
}

TPreviewWindow::TPreviewWindow(TmainWindow& main, std::unique_ptr<TVelkForm> applet,
                               QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      main_(main),
      applet_(std::move(applet)) {
    setObjectName("PreviewWindow");
    setWindowTitle(texts::kPreviewTitle);

    ToolBar1_ = new QToolBar(this);
    ToolBar1_->setObjectName("ToolBar1");
    ToolBar1_->setIconSize(QSize(16, 16));
    ToolBar1_->setFixedHeight(kToolBarStrip);
    ToolBar1_->setGeometry(0, 0, width(), kToolBarStrip);
    // The program's own pictures: looking the style's ones up in the icon
    // theme took a fifth of the start-up.
    auto addButton = [this](const char* name, const char* hint, const char* icon,
                            void (TmainWindow::*command)()) {
        QAction* action = ToolBar1_->addAction(
            QIcon(QStringLiteral(":/wendle/toolbar/%1.png").arg(QLatin1StringView(icon))), hint);
        action->setObjectName(name);
        action->setToolTip(hint);
        connect(action, &QAction::triggered, this, [this, command] { (main_.*command)(); });
    };
    addButton("ToolButton1", texts::kSaveHint, "save", &TmainWindow::saveDocument);
    ToolBar1_->addSeparator();
    addButton("ToolButton4", texts::kNewButtonHint, "new-button", &TmainWindow::newButton);
    addButton("ToolButton5", texts::kDuplicateButtonHint, "duplicate-button",
              &TmainWindow::duplicateButton);
    addButton("ToolButton3", texts::kButtonPropertiesHint, "button-properties",
              &TmainWindow::showButtonProperties);
    ToolBar1_->addSeparator();
    addButton("ToolButton6", texts::kDeleteButtonHint, "delete-button",
              &TmainWindow::deleteButtons);

    view_ = new AppletView(main_, *applet_, this);
    view_->setObjectName("AppletView");
    followAppletSize();
}

TPreviewWindow::~TPreviewWindow() = default;

void TPreviewWindow::followAppletSize() {
    UpdatingControlsScope updating;
    resize(applet_->clientWidth(), applet_->clientHeight());
    ToolBar1_->setGeometry(0, 0, width(), kToolBarStrip);
    view_->setGeometry(0, kToolBarStrip, width(), std::max(0, height() - kToolBarStrip));
}

void TPreviewWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ToolBar1_->setGeometry(0, 0, width(), kToolBarStrip);
    view_->setGeometry(0, kToolBarStrip, width(), std::max(0, height() - kToolBarStrip));
    if (updatingControls() || height() < kMinimumClientHeight)
        return;
    if (width() == applet_->clientWidth() && height() == applet_->clientHeight())
        return;
    // The user resized the window: the applet takes the new size.
    UpdatingControlsScope updating;
    applet_->setClientSize(width(), height());
    applet_->setModified(true);
    main_.appletResized();
}

void TPreviewWindow::closeEvent(QCloseEvent* event) {
    // Closing the preview only hides it; "Show Preview" brings it back.
    event->ignore();
    hide();
}

}  // namespace wendle
