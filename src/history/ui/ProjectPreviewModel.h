#pragma once
// A project's 16 channels as the grid shows them, read only: for looking at a kept read
// before it replaces the project.

#include <QAbstractTableModel>

#include "lang/AppLang.h"
#include "model/ProjectImage.h"

namespace radioprog::ui {

class ProjectPreviewModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    ProjectPreviewModel(const THaldenFuncs::TAppLang& lang, QObject* parent);

    // The project to show; nothing shows empty rows.
    void Show(const ProjectImage* image);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    const THaldenFuncs::TAppLang& lang_;
    ProjectImage image_;
    bool shown_ = false;
};

}  // namespace radioprog::ui
