#include "mainwindow/ui/ImportChannelsDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/UiText.h"
#include "lang/ChannelEditText.h"
#include "lang/ImportText.h"

namespace radioprog::ui {

namespace {

enum Column { TickColumn, FrequencyColumn, NameColumn, FitColumn, ChannelColumn, ColumnCount };

QString Text(const GuiContext& context, ImportTextId id) {
    return FromUtf8(ImportTextUtf8(context.data.lang, id));
}

QTableWidgetItem* ReadOnlyItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

ImportChannelsDialog::ImportChannelsDialog(GuiContext& context, QWidget* owner, std::string csv)
    : QDialog(owner), context_(context), csv_(std::move(csv)) {
    setObjectName("ImportChannelsDialog");
    setWindowTitle(DialogTitle(
        FromUtf8(ChannelEditTextUtf8(context.data.lang, ChannelEditTextId::ImportChannels))));
    auto* column = new QVBoxLayout(this);

    ImportRows = new QTableWidget(0, ColumnCount, this);
    ImportRows->setObjectName("ImportRows");
    ImportRows->setHorizontalHeaderLabels(
        {Text(context, ImportTextId::RowCaption), Text(context, ImportTextId::FrequencyCaption),
         Text(context, ImportTextId::NameCaption), Text(context, ImportTextId::FitCaption),
         Text(context, ImportTextId::ChannelCaption)});
    ImportRows->verticalHeader()->hide();
    ImportRows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ImportRows->setSelectionMode(QAbstractItemView::NoSelection);
    ImportRows->horizontalHeader()->setSectionResizeMode(FitColumn, QHeaderView::Stretch);
    column->addWidget(ImportRows);

    const auto addOption = [&](const char* name, ImportTextId caption) {
        auto* box = new QCheckBox(Text(context, caption), this);
        box->setObjectName(name);
        column->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &ImportChannelsDialog::Replan);
        return box;
    };
    ImportRenumber = addOption("ImportRenumber", ImportTextId::PlaceInOrder);
    ImportShortenNames = addOption("ImportShortenNames", ImportTextId::ShortenNames);
    ImportReplace = addOption("ImportReplace", ImportTextId::ReplaceOthers);

    ImportStatus = new QLabel(this);
    ImportStatus->setObjectName("ImportStatus");
    ImportStatus->setWordWrap(true);
    column->addWidget(ImportStatus);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    ImportBtn = new QPushButton(Text(context, ImportTextId::ImportButton), this);
    ImportBtn->setObjectName("ImportBtn");
    ImportBtn->setDefault(true);
    auto* cancel = new QPushButton(OwnCancelText(context.data.lang), this);
    cancel->setObjectName("CancelBtn");
    buttons->addWidget(ImportBtn);
    buttons->addWidget(cancel);
    column->addLayout(buttons);
    connect(ImportBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ImportRows, &QTableWidget::itemChanged, this, &ImportChannelsDialog::RowTicked);

    BuildRows();
    resize(720, 480);
}

ChannelListChoice ImportChannelsDialog::Choice(bool tickedOnly) const {
    ChannelListChoice choice = choice_;
    choice.renumber = ImportRenumber->isChecked();
    choice.shortenNames = ImportShortenNames->isChecked();
    choice.replace = ImportReplace->isChecked();
    // The chooser takes what fits of the ticked rows and shows the others' reasons.
    choice.skipUnfit = true;
    if (tickedOnly) {
        choice.rows.emplace();
        for (int r = 0; r < ImportRows->rowCount(); ++r) {
            if (ImportRows->item(r, TickColumn)->checkState() == Qt::Checked) {
                choice.rows->push_back(listRows_[static_cast<size_t>(r)]);
            }
        }
    }
    return choice;
}

ChannelListPlan ImportChannelsDialog::Planned(bool tickedOnly) const {
    return PlanChannelListImport(csv_, context_.data.image, context_.data.band, Choice(tickedOnly));
}

void ImportChannelsDialog::BuildRows() {
    fit_ = Planned(false);
    // The names of our own lists are ours: only the other format's may need shortening.
    ImportShortenNames->setVisible(fit_.format == ChannelListFormat::Chirp);
    showing_ = true;
    for (const ListRowPlan& row : fit_.rows) {
        if (row.fate == RowFate::Blank) {
            continue;
        }
        const int r = ImportRows->rowCount();
        ImportRows->insertRow(r);
        listRows_.push_back(row.row);
        auto* tick = new QTableWidgetItem(QString::number(row.row));
        tick->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        // At first every row that fits is ticked, as many as the radio has room for.
        tick->setCheckState(row.fate == RowFate::Taken ? Qt::Checked : Qt::Unchecked);
        ImportRows->setItem(r, TickColumn, tick);
        ImportRows->setItem(r, FrequencyColumn,
                            ReadOnlyItem(QString::fromStdString(row.frequency)));
        ImportRows->setItem(r, NameColumn, ReadOnlyItem(QString::fromStdString(row.name)));
        ImportRows->setItem(r, FitColumn, ReadOnlyItem({}));
        auto* channel = new QSpinBox(ImportRows);
        channel->setObjectName(QStringLiteral("ImportChannel_%1").arg(row.row));
        channel->setRange(0, kChannelCount);
        channel->setSpecialValueText(Text(context_, ImportTextId::NoChannel));
        channel->setFrame(false);
        // A channel counts once it is typed whole, not at its first digit.
        channel->setKeyboardTracking(false);
        ImportRows->setCellWidget(r, ChannelColumn, channel);
        channelEdits_.push_back(channel);
        connect(channel, &QSpinBox::valueChanged, this,
                [this, r](int value) { ChannelTyped(r, value); });
    }
    showing_ = false;
    Replan();
    ImportRows->resizeColumnsToContents();
    ImportRows->horizontalHeader()->setSectionResizeMode(FitColumn, QHeaderView::Stretch);
}

void ImportChannelsDialog::Replan() {
    plan_ = Planned(true);
    fit_ = Planned(false);
    ShowPlan();
}

void ImportChannelsDialog::ShowPlan() {
    showing_ = true;
    const QIcon fits = style()->standardIcon(QStyle::SP_DialogApplyButton);
    int ticked = 0;
    for (int r = 0; r < ImportRows->rowCount(); ++r) {
        const auto index = static_cast<size_t>(listRows_[static_cast<size_t>(r)] - 1);
        const bool isTicked = ImportRows->item(r, TickColumn)->checkState() == Qt::Checked;
        ticked += isTicked ? 1 : 0;
        const ListRowPlan& row = isTicked ? plan_.rows[index] : fit_.rows[index];
        QTableWidgetItem* fit = ImportRows->item(r, FitColumn);
        if (row.fate == RowFate::Taken) {
            fit->setIcon(fits);
            fit->setText(Text(context_, ImportTextId::Fits));
            fit->setToolTip({});
        } else {
            fit->setIcon({});
            fit->setText(row.refusal ? QString::fromStdString(row.refusal->why) : QString());
            fit->setToolTip(row.refusal ? QString::fromStdString(row.refusal->Message())
                                        : QString());
        }
        QSpinBox* channel = channelEdits_[static_cast<size_t>(r)];
        channel->setEnabled(isTicked);
        channel->setValue(isTicked ? plan_.rows[index].channel : 0);
    }
    ImportStatus->setText(Text(context_, ImportTextId::Status)
                              .arg(ticked)
                              .arg(ImportRows->rowCount())
                              .arg(plan_.Count(RowFate::Refused)));
    ImportBtn->setEnabled(!plan_.Refused() &&
                          (plan_.Count(RowFate::Taken) > 0 || ImportReplace->isChecked()));
    showing_ = false;
}

void ImportChannelsDialog::RowTicked(QTableWidgetItem* item) {
    if (!showing_ && item->column() == TickColumn) {
        Replan();
    }
}

void ImportChannelsDialog::ChannelTyped(int tableRow, int channel) {
    if (showing_) {
        return;
    }
    const int row = listRows_[static_cast<size_t>(tableRow)];
    if (channel == 0) {
        choice_.channelOfRow.erase(row);
    } else {
        choice_.channelOfRow[row] = channel;
    }
    Replan();
}

}  // namespace radioprog::ui
