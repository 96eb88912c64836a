#pragma once
// The compare view: two projects side by side, channel by channel with every field (those the
// grid hides too) and setting by setting, differing cells marked, runs of identical channels
// folded into one row until the user asks to see them. A snapshot: it shows the two projects
// as they were when it opened and changes neither.

#include <QDialog>
#include <optional>

#include "compare/ProjectComparison.h"
#include "gui/GuiContext.h"
#include "lang/CompareText.h"
#include "session/RadioKind.h"

class QCheckBox;
class QTableWidget;

namespace radioprog::ui {

class ProjectComparisonView final : public QDialog {
    Q_OBJECT
  public:
    // With heldBy (right being a read of such a radio), only what that radio holds is compared,
    // and the view names the rest.
    ProjectComparisonView(const THaldenFuncs::TAppLang& lang, const ComparedProject& left,
                          const ComparedProject& right, QWidget* parent,
                          std::optional<RadioKind> heldBy = std::nullopt);

  private:
    void BuildOptions(const ComparedProject& left, const ComparedProject& right);
    void SetChannelHeaders(QTableWidget& table) const;
    // One row per channel, or one per run of identical channels while they are folded.
    void FillChannels(bool showIdentical);
    void FillChannelRow(int row, const ChannelComparison& channel);
    void FillFoldedRow(int row, int first, int last);
    void MatchColumnWidths();
    QString Text(CompareTextId id) const;

    const THaldenFuncs::TAppLang& lang_;
    ProjectComparison comparison_;
    QTableWidget* leftChannels_ = nullptr;
    QTableWidget* rightChannels_ = nullptr;
    QTableWidget* options_ = nullptr;
    QCheckBox* showIdentical_ = nullptr;
};

// Opens the compare view of left and right over owner in the language in use, and returns
// when it is closed. The captions name the two sides in its titles.
void ShowProjectComparison(GuiContext& context, QWidget* owner, const ComparedProject& left,
                           const ComparedProject& right,
                           std::optional<RadioKind> heldBy = std::nullopt);

}  // namespace radioprog::ui
