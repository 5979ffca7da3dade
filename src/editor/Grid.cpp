#include "editor/Grid.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

#include "editor/AppletDocument.h"
#include "editor/GeneralTexts.h"
#include "editor/GeneralWidgets.h"
#include "editor/main.h"
#include "model/UpdatingControls.h"

namespace wendle {

namespace {

constexpr int kMinGridStep = 1;
constexpr int kMaxGridStep = 1000;

constexpr const char* kAlignValue = "Align";
constexpr const char* kGridWidthValue = "Grid Width";
constexpr const char* kGridHeightValue = "Grid Height";
constexpr const char* kLeftValue = "Left";
constexpr const char* kTopValue = "Top";

std::optional<int> readInteger(const TPRegistry& registry, const char* name) {
    const auto value = registry.ReadValue(name);
    if (!value || value->type() != platform::RegistryValue::Type::Integer)
        return std::nullopt;
    return int(std::int32_t(value->asInteger()));
}

void writeInteger(TPRegistry& registry, const char* name, int value) {
    registry.WriteValue(name, platform::RegistryValue::integer(std::uint32_t(value)));
}

}  // namespace

GridWindowStore::GridWindowStore(TPRegistryRoot root) : root_(root) {}

GridWindowStore::GridWindowStore(std::string storeFile) : storeFile_(std::move(storeFile)) {}

TPRegistry GridWindowStore::openRegistry() const {
    return root_ ? TPRegistry(*root_) : TPRegistry(storeFile_);
}

std::optional<GridWindowValues> GridWindowStore::recall() {
    TPRegistry registry = openRegistry();
    if (!registry.OpenKey(kKey, false))
        return std::nullopt;
    GridWindowValues values;
    if (const auto align = readInteger(registry, kAlignValue))
        values.alignToGrid = *align != 0;
    values.gridWidth = readInteger(registry, kGridWidthValue).value_or(values.gridWidth);
    values.gridHeight = readInteger(registry, kGridHeightValue).value_or(values.gridHeight);
    const auto left = readInteger(registry, kLeftValue);
    const auto top = readInteger(registry, kTopValue);
    if (left && top)
        values.position = QPoint(*left, *top);
    return values;
}

void GridWindowStore::keep(const GridWindowValues& values) {
    TPRegistry registry = openRegistry();
    if (!registry.OpenKey(kKey, true))
        return;
    writeInteger(registry, kAlignValue, values.alignToGrid ? 1 : 0);
    writeInteger(registry, kGridWidthValue, values.gridWidth);
    writeInteger(registry, kGridHeightValue, values.gridHeight);
    if (values.position) {
        writeInteger(registry, kLeftValue, values.position->x());
        writeInteger(registry, kTopValue, values.position->y());
    }
    // Losing the grid window's values is no reason to trouble the user.
    (void)registry.Flush();
}

TgridWindow::TgridWindow(TmainWindow& main, GridWindowMemory* memory, QWidget* parent)
    : QDialog(parent), main_(main), memory_(memory) {
    namespace t = texts::general;
    setObjectName("gridWindow");
    setWindowTitle(t::kGridTitle);

    auto* group = makeGroup(this, t::kGridGroup);
    cAlignCheck_ = new QCheckBox(t::kAlignToGrid, group);
    cAlignCheck_->setObjectName("cAlignCheck");
    eGridWidth_ = makeNumberField(group, "eGridWidth", nullptr, kMinGridStep, kMaxGridStep);
    eGridHeight_ = makeNumberField(group, "eGridHeight", nullptr, kMinGridStep, kMaxGridStep);
    auto* grid = new QGridLayout(group);
    grid->addWidget(makeNote(group, t::kGridNote), 0, 0, 1, 3);
    grid->addWidget(cAlignCheck_, 1, 0, 1, 3);
    grid->addWidget(makeFieldLabel(group, t::kGridWidth, eGridWidth_), 2, 0);
    grid->addWidget(eGridWidth_, 2, 1);
    grid->addWidget(makeFieldLabel(group, t::kGridHeight, eGridHeight_), 3, 0);
    grid->addWidget(eGridHeight_, 3, 1);
    grid->setColumnStretch(2, 1);

    auto* close = makeCommandButton(this, "bClose", t::kClose);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(bottom);
    setFixedWidth(360);

    connect(cAlignCheck_, &QCheckBox::toggled, this, &TgridWindow::cAlignCheckClick);
    connect(eGridWidth_, &QSpinBox::valueChanged, this, &TgridWindow::eGridWidthChange);
    connect(eGridHeight_, &QSpinBox::valueChanged, this, &TgridWindow::eGridHeightChange);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    putBackRememberedValues();
}

void TgridWindow::run(TmainWindow& main) {
    GridWindowStore store;
    run(main, &store);
}

void TgridWindow::run(TmainWindow& main, GridWindowMemory* memory) {
    TgridWindow window(main, memory, &main);
    window.exec();
}

void TgridWindow::putBackRememberedValues() {
    if (!memory_)
        return;
    const std::optional<GridWindowValues> remembered = memory_->recall();
    if (!remembered)
        return;
    {
        UpdatingControlsScope updating;
        cAlignCheck_->setChecked(remembered->alignToGrid);
        eGridWidth_->setValue(remembered->gridWidth);
        eGridHeight_->setValue(remembered->gridHeight);
    }
    // The fields have brought the steps into range; the applet takes them.
    cAlignCheckClick(cAlignCheck_->isChecked());
    eGridWidthChange(eGridWidth_->value());
    eGridHeightChange(eGridHeight_->value());
    // A position on a screen that is gone would hide the window.
    if (remembered->position && QGuiApplication::screenAt(*remembered->position))
        move(*remembered->position);
}

void TgridWindow::updateGridWindow() {
    UpdatingControlsScope updating;
    const TVelkForm& applet = main_.applet();
    cAlignCheck_->setChecked(applet.grid());
    eGridWidth_->setEnabled(applet.grid());
    eGridHeight_->setEnabled(applet.grid());
    eGridHeight_->setValue(applet.gridY());
    eGridWidth_->setValue(applet.gridX());
}

void TgridWindow::showEvent(QShowEvent* event) {
    updateGridWindow();
    QDialog::showEvent(event);
}

void TgridWindow::hideEvent(QHideEvent* event) {
    if (memory_) {
        memory_->keep(
            {cAlignCheck_->isChecked(), eGridWidth_->value(), eGridHeight_->value(), pos()});
    }
    QDialog::hideEvent(event);
}

void TgridWindow::cAlignCheckClick(bool checked) {
    if (updatingControls())
        return;
    main_.document().setGrid(checked);
    eGridWidth_->setEnabled(checked);
    eGridHeight_->setEnabled(checked);
    main_.repaintPreview();
}

void TgridWindow::eGridWidthChange(int width) {
    if (updatingControls() || eGridWidth_->text().isEmpty())
        return;
    main_.document().setGridStep(width, main_.applet().gridY());
    main_.repaintPreview();
}

void TgridWindow::eGridHeightChange(int height) {
    if (updatingControls() || eGridHeight_->text().isEmpty())
        return;
    main_.document().setGridStep(main_.applet().gridX(), height);
    main_.repaintPreview();
}

}  // namespace wendle
