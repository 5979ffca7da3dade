#include "editor/GeneralBackgroundGroup.h"
#include "editor/EditNames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include "editor/AppletDocument.h"
#include "editor/EditTexts.h"
#include "editor/Encoding.h"
#include "editor/GeneralTexts.h"
#include "editor/GeneralWidgets.h"
#include "editor/PictureMessages.h"
#include "editor/main.h"
#include "model/AppletEdits.h"
#include "model/UpdatingControls.h"
#include "platform/HelpTopics.h"

namespace wendle {

namespace {
constexpr int kImagePositionLimit = 2000;
constexpr int kFreePlacement = 0;
}  // namespace

GeneralBackgroundGroup::GeneralBackgroundGroup(TmainWindow& main, QWidget* parent)
    : QGroupBox(texts::general::kBackgroundGroup, parent), main_(main) {
    namespace t = texts::general;
    bBkColor_ = makeCommandButton(this, "bBkColor", t::kBkColor);
    chkGradient_ = new QCheckBox(t::kGradient, this);
    chkGradient_->setObjectName("chkGradient");
    bGradientColor_ = makeCommandButton(this, "bGradientColor", t::kGradientColor);
    eBkImage_ = new QLineEdit(this);
    eBkImage_->setObjectName("eBkImage");
    eBkImage_->setToolTip(t::kBkImageHint);
    bBkImageBrowse_ = new QToolButton(this);
    bBkImageBrowse_->setObjectName("bBkImageBrowse");
    bBkImageBrowse_->setText(QStringLiteral("..."));
    bBkImageBrowse_->setToolTip(t::kBkImageBrowseHint);
    const auto& items = t::kImageAlignItems;
    cImageAlign_ = makeChoiceList(this, "cImageAlign", nullptr,
                                  {items[0], items[1], items[2], items[3], items[4], items[5]});
    eImageX_ =
        makeNumberField(this, "eImageX", t::kImageXHint, -kImagePositionLimit, kImagePositionLimit);
    eImageY_ =
        makeNumberField(this, "eImageY", t::kImageYHint, -kImagePositionLimit, kImagePositionLimit);

    auto* grid = new QGridLayout(this);
    grid->addWidget(makeNote(this, t::kBackgroundNote), 0, 0, 1, 3);
    grid->addWidget(makeHelpButton(this, "bBackgroundHelp", main, help_topics::kAppletBackground),
                    0, 3, Qt::AlignRight | Qt::AlignTop);
    auto* colours = new QHBoxLayout;
    colours->addWidget(bBkColor_);
    colours->addWidget(chkGradient_);
    colours->addWidget(bGradientColor_);
    colours->addStretch(1);
    grid->addLayout(colours, 1, 0, 1, 4);
    grid->addWidget(makeFieldLabel(this, t::kBkImage, eBkImage_), 2, 0);
    auto* image = new QHBoxLayout;
    image->addWidget(eBkImage_, 1);
    image->addWidget(bBkImageBrowse_);
    grid->addLayout(image, 2, 1, 1, 3);
    grid->addWidget(makeFieldLabel(this, t::kImageAlign, cImageAlign_), 3, 0);
    grid->addWidget(cImageAlign_, 3, 1);
    grid->addWidget(makeFieldLabel(this, t::kImageX, eImageX_), 4, 0);
    grid->addWidget(eImageX_, 4, 1);
    grid->addWidget(makeFieldLabel(this, t::kImageY, eImageY_), 5, 0);
    grid->addWidget(eImageY_, 5, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(6, 1);

    connect(bBkColor_, &QPushButton::clicked, this, &GeneralBackgroundGroup::bBkColorClick);
    connect(chkGradient_, &QCheckBox::toggled, this, &GeneralBackgroundGroup::chkGradientClick);
    connect(bGradientColor_, &QPushButton::clicked, this,
            &GeneralBackgroundGroup::bGradientColorClick);
    connect(eBkImage_, &QLineEdit::textChanged, this, &GeneralBackgroundGroup::eBkImageChange);
    connect(bBkImageBrowse_, &QToolButton::clicked, this,
            &GeneralBackgroundGroup::bBkImageBrowseClick);
    connect(cImageAlign_, &QComboBox::currentIndexChanged, this,
            &GeneralBackgroundGroup::cImageAlignChange);
    connect(eImageX_, &QSpinBox::valueChanged, this, &GeneralBackgroundGroup::eImageXChange);
    connect(eImageY_, &QSpinBox::valueChanged, this, &GeneralBackgroundGroup::eImageYChange);
}

void GeneralBackgroundGroup::showImage() {
    const TVelkForm& applet = main_.applet();
    eBkImage_->setText(toQString(applet.imageName()));
    eImageX_->setValue(applet.imageX());
    eImageY_->setValue(applet.imageY());
    cImageAlign_->setCurrentIndex(applet.imageStyle());
    // The position fields follow the placement of the applet now shown, so
    // they are never open for a placement that ignores them (or closed for
    // the one that uses them).
    enableImagePosition(applet.imageStyle());
}

void GeneralBackgroundGroup::showGradient() {
    const bool fade = main_.applet().fade();
    chkGradient_->setChecked(fade);
    bGradientColor_->setEnabled(fade);
}

void GeneralBackgroundGroup::enableImagePosition(int imageStyle) {
    eImageX_->setEnabled(imageStyle == kFreePlacement);
    eImageY_->setEnabled(imageStyle == kFreePlacement);
}

// The colour buttons leave the modified mark to the colour dialog: only a
// colour the user confirmed is a change.
void GeneralBackgroundGroup::bBkColorClick() {
    if (updatingControls())
        return;
    const Colour colour = main_.getColor(main_.applet().bkColor());
    main_.document().editForm(appletChangeName,
                              [colour](FormValues& applet) { applet.bkColor = colour; });
    appletLookChanged(main_);
}

void GeneralBackgroundGroup::chkGradientClick(bool checked) {
    if (updatingControls())
        return;
    main_.document().editForm(appletChangeName,
                              [checked](FormValues& applet) { applet.fade = checked; });
    bGradientColor_->setEnabled(checked);
    appletLookChanged(main_);
}

void GeneralBackgroundGroup::bGradientColorClick() {
    if (updatingControls())
        return;
    const Colour colour = main_.getColor(main_.applet().fadeColor());
    main_.document().editForm(appletChangeName,
                              [colour](FormValues& applet) { applet.fadeColor = colour; });
    appletLookChanged(main_);
}

void GeneralBackgroundGroup::eBkImageChange(const QString& text) {
    if (updatingControls() || main_.checkCharacters2(text))
        return;
    main_.deleteReplacedCopies(main_.applet().imageName());
    const std::string name = fromQString(singleLine(text));
    main_.document().editNamed(
        appletChangeName, {true, {}, false},
        [&name](TVelkForm& applet) { setBackgroundImage(applet, name, name); }, "eBkImage");
    appletLookChanged(main_);
}

void GeneralBackgroundGroup::bBkImageBrowseClick() {
    if (updatingControls())
        return;
    const TVelkForm& applet = main_.applet();
    UserDialogs::FileRequest request;
    request.title = texts::general::kOpenImageTitle;
    request.filter = texts::general::kOpenImageFilter;
    request.folder = applet.imagePath().empty()
                         ? main_.programFolder() + texts::general::kButtonImagesFolder
                         : toQString(applet.imagePath());
    const QString chosen = main_.dialogs().chooseOpenFile(request);
    if (!chosen.isEmpty() && refuseChosenPicture(main_.dialogs(), chosen))
        return;
    // A chosen file's name reaches the page as it is, so it passes the same
    // check as a typed one.
    const QString fileName = QFileInfo(chosen).fileName();
    if (!chosen.isEmpty() && !main_.checkCharacters2(fileName)) {
        main_.deleteReplacedCopies(applet.imageName());
        const std::string name = fromQString(fileName);
        const std::string path = fromQString(chosen);
        main_.document().editNamed(appletChangeName, {true, {}, false}, [&](TVelkForm& changed) {
            setBackgroundImage(changed, name, path);
        });
    }
    appletLookChanged(main_);
    UpdatingControlsScope updating;
    eBkImage_->setText(toQString(applet.imageName()));
}

void GeneralBackgroundGroup::cImageAlignChange(int index) {
    if (updatingControls() || index < 0)
        return;
    main_.document().editForm(
        appletChangeName, [index](FormValues& applet) { applet.imageStyle = std::uint8_t(index); });
    enableImagePosition(index);
    appletLookChanged(main_);
}

void GeneralBackgroundGroup::eImageXChange(int x) {
    if (updatingControls() || eImageX_->text().isEmpty())
        return;
    main_.document().editForm(
        appletChangeName, [x](FormValues& applet) { applet.imageX = std::int16_t(x); }, "eImageX");
    appletLookChanged(main_);
}

void GeneralBackgroundGroup::eImageYChange(int y) {
    if (updatingControls() || eImageY_->text().isEmpty())
        return;
    main_.document().editForm(
        appletChangeName, [y](FormValues& applet) { applet.imageY = std::int16_t(y); }, "eImageY");
    appletLookChanged(main_);
}

}  // namespace wendle
