#include "editor/AccessibilityWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <map>

#include "accessibility/FindingText.h"
#include "accessibility/Fixes.h"
#include "editor/AccessibilityMonitor.h"
#include "editor/AccessibilityTexts.h"
#include "editor/AppletDocument.h"
#include "editor/EditTexts.h"
#include "editor/Preview.h"
#include "editor/Properties.h"
#include "editor/main.h"
#include "model/Editing.h"

namespace wendle {

namespace {

using accessibility::Finding;
using accessibility::Subject;

constexpr int kIndexRole = Qt::UserRole;

// Findings are the same one after a new check when they say the same thing
// about the same place.
bool sameFinding(const Finding& a, const Finding& b) {
    return a.rule == b.rule && a.subject == b.subject && a.slot == b.slot && a.state == b.state &&
           a.pageText == b.pageText;
}

QString groupText(const Finding& f) {
    if (f.subject != Subject::Button)
        return QString::fromStdString(accessibility::subjectText(f));
    const std::string subject = accessibility::subjectText(f);
    // "Button 3 \"Shop\", state 2" without its state.
    return QString::fromStdString(subject.substr(0, subject.rfind(", ")));
}

QString itemText(const Finding& f) {
    const QString problem = QString::fromStdString(accessibility::problemText(f));
    if (f.subject != Subject::Button)
        return problem;
    return QStringLiteral("State %1: %2").arg(f.state).arg(problem);
}

}  // namespace

AccessibilityWindow::AccessibilityWindow(TmainWindow& main, AccessibilityMonitor& monitor,
                                         QWidget* parent)
    : QWidget(parent, Qt::Tool), main_(main), monitor_(monitor) {
    setObjectName("AccessibilityWindow");
    setWindowTitle(texts::kAccessibilityTitle);
    resize(620, 360);

    auto* layout = new QVBoxLayout(this);
    summary_ = new QLabel(this);
    summary_->setObjectName("SummaryLabel");
    layout->addWidget(summary_);
    tree_ = new QTreeWidget(this);
    tree_->setObjectName("FindingsTree");
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(true);
    layout->addWidget(tree_, 1);
    fixText_ = new QLabel(this);
    fixText_->setObjectName("FixLabel");
    fixText_->setWordWrap(true);
    layout->addWidget(fixText_);

    auto* buttons = new QHBoxLayout;
    fix_ = new QPushButton(texts::kFix, this);
    fix_->setObjectName("bFix");
    fixAll_ = new QPushButton(texts::kFixAll, this);
    fixAll_->setObjectName("bFixAll");
    auto* close = new QPushButton(texts::kClose, this);
    close->setObjectName("bClose");
    buttons->addWidget(fix_);
    buttons->addWidget(fixAll_);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(fix_, &QPushButton::clicked, this, &AccessibilityWindow::fixCurrent);
    connect(fixAll_, &QPushButton::clicked, this, &AccessibilityWindow::fixAll);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(tree_, &QTreeWidget::currentItemChanged, this, &AccessibilityWindow::currentChanged);
    connect(&monitor_, &AccessibilityMonitor::findingsChanged, this, &AccessibilityWindow::rebuild);
    rebuild();
}

const Finding* AccessibilityWindow::currentFinding() const {
    const QTreeWidgetItem* item = tree_->currentItem();
    if (!item || !item->data(0, kIndexRole).isValid())
        return nullptr;
    const auto index = std::size_t(item->data(0, kIndexRole).toULongLong());
    const auto& findings = monitor_.findings();
    return index < findings.size() ? &findings[index] : nullptr;
}

QTreeWidgetItem* AccessibilityWindow::itemOf(std::size_t index) const {
    for (int g = 0; g < tree_->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = tree_->topLevelItem(g);
        for (int c = 0; c < group->childCount(); ++c) {
            if (group->child(c)->data(0, kIndexRole).toULongLong() == index)
                return group->child(c);
        }
    }
    return nullptr;
}

void AccessibilityWindow::chooseFinding(std::size_t index) {
    if (QTreeWidgetItem* item = itemOf(index))
        tree_->setCurrentItem(item);
}

void AccessibilityWindow::rebuild() {
    const QSignalBlocker blocker(tree_);
    tree_->clear();
    const auto& findings = monitor_.findings();
    int errors = 0;
    std::map<std::pair<int, int>, QTreeWidgetItem*> groups;
    QTreeWidgetItem* current = nullptr;
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const Finding& f = findings[i];
        errors += f.severity == accessibility::Severity::Error;
        const std::pair<int, int> key{int(f.subject), f.slot};
        QTreeWidgetItem*& group = groups[key];
        if (!group) {
            group = new QTreeWidgetItem(tree_, QStringList{groupText(f)});
            group->setExpanded(true);
        }
        auto* item = new QTreeWidgetItem(group, QStringList{itemText(f)});
        item->setData(0, kIndexRole, quint64(i));
        if (remembered_ && sameFinding(*remembered_, f))
            current = item;
    }
    tree_->expandAll();
    if (current)
        tree_->setCurrentItem(current);
    const int warnings = int(findings.size()) - errors;
    summary_->setText(findings.empty() ? QString(texts::kNoFindings)
                                       : QString(texts::kSummary).arg(errors).arg(warnings));
    const bool anyFix = std::any_of(findings.begin(), findings.end(),
                                    [](const Finding& f) { return f.fix.has_value(); });
    fixAll_->setEnabled(anyFix);
    const Finding* shown = currentFinding();
    fix_->setEnabled(shown && shown->fix);
    fixText_->setText(!shown       ? QString()
                      : shown->fix ? texts::kFixPrefix +
                                         QString::fromStdString(accessibility::fixText(*shown))
                                   : QString(texts::kNoFix));
    if (!shown)
        remembered_.reset();
}

void AccessibilityWindow::currentChanged() {
    const Finding* finding = currentFinding();
    remembered_ = finding ? std::optional<Finding>(*finding) : std::nullopt;
    fix_->setEnabled(finding && finding->fix);
    fixText_->setText(!finding       ? QString()
                      : finding->fix ? texts::kFixPrefix +
                                           QString::fromStdString(accessibility::fixText(*finding))
                                     : QString(texts::kNoFix));
    if (finding)
        showFinding(*finding);
}

void AccessibilityWindow::showFinding(const Finding& finding) {
    if (finding.subject != Subject::Button)
        return;
    AppletDocument& document = main_.document();
    if (!document.applet().statePanel(1, finding.slot))
        return;
    document.selectOnly(finding.slot);
    // The preview shows the first state edits go to: the finding's alone.
    if (finding.state >= 1 && finding.state <= kStateCount) {
        std::array<bool, kStateCount> active{};
        for (int state = 1; state <= kStateCount; ++state)
            active[std::size_t(state - 1)] = state == finding.state;
        document.setActiveStates(active);
        main_.properties()->setApplyToAllStates(false);
    }
    main_.updatePropertiesWindow();
    main_.repaintPreview();
}

void AccessibilityWindow::applyEdits(const accessibility::Fix& fix, const QString& name) {
    if (fix.edits.empty())
        return;
    // One command however many edits the fix makes: one undo takes it back.
    EditScope scope;
    for (const accessibility::Edit& edit : fix.edits) {
        if (edit.property == accessibility::Edit::Property::TextBoxTextColor)
            scope.form = true;
        else if (std::find(scope.buttonSlots.begin(), scope.buttonSlots.end(), edit.slot) ==
                 scope.buttonSlots.end())
            scope.buttonSlots.push_back(edit.slot);
    }
    main_.document().edit(name, scope,
                          [&fix](TVelkForm& applet) { accessibility::applyFix(applet, fix); });
    main_.updatePropertiesWindow();
    main_.UpDateGeneralWindow();
    main_.repaintPreview();
    monitor_.checkNow();
}

void AccessibilityWindow::fixCurrent() {
    const Finding* finding = currentFinding();
    if (finding && finding->fix)
        applyEdits(accessibility::Fix(*finding->fix), texts::edit::kAccessibilityFix);
}

void AccessibilityWindow::fixAll() {
    applyEdits(accessibility::combinedFix(monitor_.findings()), texts::edit::kAccessibilityFixAll);
}

}  // namespace wendle
