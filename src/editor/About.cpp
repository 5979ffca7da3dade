#include "editor/About.h"

#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/main.h"
#include "platform/Folders.h"

#ifndef WENDLE_VERSION
#error "WENDLE_VERSION is defined for this file by resources/CMakeLists.txt"
#endif

namespace wendle {

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

// A folder the user may want to copy into a file manager.
QLabel* makePathLabel(QWidget* parent, const char* name, const QString& path) {
    QLabel* label = makeLabel(parent, name, path);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QGroupBox* makeFoldersGroup(QWidget* parent, const QString& programFolder) {
    namespace t = texts::about;
    auto* group = new QGroupBox(t::kFoldersGroup, parent);
    const bool beside =
        platform::workingFolderLocation() == platform::WorkingFolderLocation::ProgramFolder;
    auto* form = new QFormLayout(group);
    form->addRow(t::kProgramFolder, makePathLabel(group, "ProgramFolder", programFolder));
    form->addRow(
        t::kWorkingFolders,
        makePathLabel(group, "WorkingFolders",
                      QFile::decodeName(QByteArray::fromStdString(platform::workingFolderBase()))));
    form->addRow(
        makeLabel(group, "WorkingFolderNote", beside ? t::kBesideProgram : t::kInDataFolder));
    return group;
}

}  // namespace

TAboutBox::TAboutBox(TmainWindow& main, QWidget* parent) : QDialog(parent) {
    namespace t = texts::about;
    setObjectName("AboutBox");
    setWindowTitle(t::kTitle);
    setModal(true);

    auto* icon = new QLabel(this);
    icon->setObjectName("ProgramIcon");
    const QPixmap picture(main.programFolder() + "Wendle.png");
    if (!picture.isNull())
        icon->setPixmap(picture);
    icon->setAlignment(Qt::AlignTop);

    QLabel* product = makeLabel(this, "ProductName", t::kProduct);
    QFont large = product->font();
    large.setPointSizeF(large.pointSizeF() * 1.8);
    large.setBold(true);
    product->setFont(large);

    auto* text = new QVBoxLayout;
    text->addWidget(product);
    text->addWidget(makeLabel(this, "Version", QString(t::kVersion).arg(WENDLE_VERSION)));
    text->addWidget(makeLabel(this, "Comments", t::kPurpose));
    text->addWidget(makeLabel(this, "BuiltWith", QString(t::kBuiltWith).arg(qVersion())));
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(text, 1);

    auto* ok = new QPushButton(t::kOk, this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(makeFoldersGroup(this, main.programFolder()));
    layout->addLayout(bottom);
    setMinimumWidth(460);
}

void TAboutBox::run(TmainWindow& main) {
    TAboutBox box(main, &main);
    box.exec();
}

}  // namespace wendle
