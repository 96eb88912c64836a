#pragma once
// The sheet's own page, shown before a sheet is printed or exported: the customer or job the
// sheet is for, and the shop's name and phone, which are kept in the configuration for every
// later sheet.

#include <QDialog>
#include <QString>
#include <optional>

#include "gui/GuiContext.h"

class QLineEdit;

namespace radioprog::ui {

class SheetDetailsDialog final : public QDialog {
    Q_OBJECT
  public:
    SheetDetailsDialog(GuiContext& context, const QString& customer, QWidget* parent);

    QString Customer() const;

  private:
    // OK: the shop's details go into the configuration.
    void Keep();

    GuiContext& context_;
    QLineEdit* eCustomer = nullptr;
    QLineEdit* eShopName = nullptr;
    QLineEdit* eShopPhone = nullptr;
};

// Shows the page over owner; the customer or job typed (starting from customer), or nothing
// when the user cancelled.
std::optional<QString> AskSheetDetails(GuiContext& context, QWidget* owner,
                                       const QString& customer);

}  // namespace radioprog::ui
