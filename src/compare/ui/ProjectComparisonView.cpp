#include "compare/ui/ProjectComparisonView.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "channellist/ColumnCaptions.h"
#include "channellist/ColumnHolding.h"
#include "compare/FieldNames.h"
#include "gui/UiText.h"
#include "gui/WindowPlacement.h"
#include "lang/TextIds.h"

namespace radioprog::ui {

namespace {

// A differing cell: a light amber with dark text and bold, so it reads the same under a dark
// palette and does not rest on colour alone.
const QColor kDifferBackground(0xFF, 0xD8, 0x9B);
const QColor kDifferText(0x10, 0x10, 0x10);

constexpr int kSides = 2;

QTableWidgetItem* Cell(const QString& text, bool differs) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(Qt::AlignCenter);
    if (differs) {
        item->setBackground(kDifferBackground);
        item->setForeground(kDifferText);
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
    }
    return item;
}

QTableWidget* MakeTable(QWidget* parent, const char* name) {
    auto* table = new QTableWidget(parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->setWordWrap(false);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    return table;
}

// A column only the project file keeps is marked as in the grid: the caption says so, the tool
// tip says why, and caption and cells are in italics.
QTableWidgetItem* HeaderItem(const QString& caption, const QString& fileOnlyTip) {
    auto* item = new QTableWidgetItem(caption);
    if (!fileOnlyTip.isEmpty()) {
        item->setToolTip(fileOnlyTip);
        QFont italic = item->font();
        italic.setItalic(true);
        item->setFont(italic);
    }
    return item;
}

// The two sides scroll as one, so a row on the left stands beside the same row on the right.
void ScrollTogether(QScrollBar* a, QScrollBar* b) {
    QObject::connect(a, &QScrollBar::valueChanged, b, &QScrollBar::setValue);
    QObject::connect(b, &QScrollBar::valueChanged, a, &QScrollBar::setValue);
}

}  // namespace

void ProjectComparisonView::SetChannelHeaders(QTableWidget& table) const {
    const auto language = lang_.LangType();
    table.setColumnCount(static_cast<int>(comparison_.fieldCaptions.size()) + 1);
    table.setHorizontalHeaderItem(0, HeaderItem(UiText(lang_, text::kChannelNumber), {}));
    for (size_t field = 0; field < comparison_.fieldCaptions.size(); ++field) {
        const int column = static_cast<int>(field) + 1;
        if (field >= static_cast<size_t>(kChannelFieldCount)) {
            table.setHorizontalHeaderItem(
                column, HeaderItem(FromUtf8(comparison_.fieldCaptions[field]), {}));
            continue;
        }
        const ChannelColumn channelColumn = ChannelFieldColumn(static_cast<int>(field));
        table.setHorizontalHeaderItem(
            column, HeaderItem(FromUtf8(MarkedColumnCaption(channelColumn, language)),
                               FromUtf8(FileOnlyTip(channelColumn, language))));
    }
}

ProjectComparisonView::ProjectComparisonView(const THaldenFuncs::TAppLang& lang,
                                             const ComparedProject& left,
                                             const ComparedProject& right, QWidget* parent,
                                             std::optional<RadioKind> heldBy)
    : QDialog(parent),
      lang_(lang),
      comparison_(CompareSideBySide(left.image, left.band, right.image, right.band, lang.LangType(),
                                    heldBy)) {
    setObjectName(QStringLiteral("ProjectComparisonView"));
    setWindowTitle(Text(CompareTextId::Title) + QStringLiteral(": ") + FromUtf8(left.caption) +
                   QStringLiteral(" / ") + FromUtf8(right.caption));
    auto* layout = new QVBoxLayout(this);

    const size_t differences = comparison_.Differences().size();
    auto* summary = new QLabel(this);
    summary->setObjectName(QStringLiteral("sSummary"));
    summary->setText(differences == 0 ? Text(CompareTextId::NoDifference)
                                      : Text(CompareTextId::Differences).arg(differences));
    showIdentical_ = new QCheckBox(Text(CompareTextId::ShowIdentical), this);
    showIdentical_->setObjectName(QStringLiteral("cShowIdentical"));
    auto* top = new QHBoxLayout();
    top->addWidget(summary, 1);
    top->addWidget(showIdentical_);
    layout->addLayout(top);
    if (heldBy) {
        QStringList fields;
        for (const std::string& name : FieldsNotHeldBy(*heldBy)) {
            fields << FromUtf8(name);
        }
        auto* notHeld = new QLabel(Text(CompareTextId::NotHeldByRadio)
                                       .arg(QString::fromLatin1(RadioKindName(*heldBy)),
                                            fields.join(QStringLiteral(", "))),
                                   this);
        notHeld->setObjectName(QStringLiteral("sNotHeldByRadio"));
        notHeld->setWordWrap(true);
        layout->addWidget(notHeld);
    }

    auto* sides = new QSplitter(Qt::Horizontal, this);
    sides->setObjectName(QStringLiteral("spSides"));
    const ComparedProject* projects[kSides] = {&left, &right};
    const char* titleNames[kSides] = {"sLeftTitle", "sRightTitle"};
    const char* tableNames[kSides] = {"gLeftChannels", "gRightChannels"};
    QTableWidget** tables[kSides] = {&leftChannels_, &rightChannels_};
    for (int side = 0; side < kSides; ++side) {
        auto* box = new QWidget(sides);
        box->setObjectName(QString::fromLatin1(tableNames[side]) + QStringLiteral("Box"));
        auto* column = new QVBoxLayout(box);
        column->setContentsMargins(0, 0, 0, 0);
        auto* title = new QLabel(FromUtf8(projects[side]->caption), box);
        title->setObjectName(QString::fromLatin1(titleNames[side]));
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        QTableWidget* table = MakeTable(box, tableNames[side]);
        SetChannelHeaders(*table);
        column->addWidget(title);
        column->addWidget(table);
        sides->addWidget(box);
        *tables[side] = table;
    }
    ScrollTogether(leftChannels_->verticalScrollBar(), rightChannels_->verticalScrollBar());
    ScrollTogether(leftChannels_->horizontalScrollBar(), rightChannels_->horizontalScrollBar());
    // The channels over the settings; the user moves the border between them.
    auto* areas = new QSplitter(Qt::Vertical, this);
    areas->setObjectName(QStringLiteral("spAreas"));
    areas->setChildrenCollapsible(false);
    areas->addWidget(sides);
    BuildOptions(left, right);
    areas->addWidget(options_);
    areas->setStretchFactor(0, 3);
    areas->setStretchFactor(1, 2);
    layout->addWidget(areas, 1);

    auto* buttons = new QDialogButtonBox(this);
    buttons->setObjectName(QStringLiteral("bbButtons"));
    QPushButton* close =
        buttons->addButton(Text(CompareTextId::Close), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("bClose"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(showIdentical_, &QCheckBox::toggled, this,
            [this](bool checked) { FillChannels(checked); });
    FillChannels(false);
    const QSize room = screen()->availableGeometry().size() - QSize(0, 40);
    resize(QSize(1260, 660).boundedTo(room));
}

QString ProjectComparisonView::Text(CompareTextId id) const {
    return FromUtf8(CompareTextUtf8(lang_, id));
}

void ProjectComparisonView::BuildOptions(const ComparedProject& left,
                                         const ComparedProject& right) {
    options_ = MakeTable(this, "gOptions");
    options_->setColumnCount(3);
    options_->setHorizontalHeaderLabels(
        {Text(CompareTextId::Setting), FromUtf8(left.caption), FromUtf8(right.caption)});
    std::vector<const SettingComparison*> settings{&comparison_.band};
    for (const SettingComparison& option : comparison_.options) {
        settings.push_back(&option);
    }
    options_->setRowCount(static_cast<int>(settings.size()));
    for (int row = 0; row < options_->rowCount(); ++row) {
        const SettingComparison& setting = *settings[static_cast<size_t>(row)];
        options_->setItem(row, 0, Cell(FromUtf8(setting.caption), false));
        options_->item(row, 0)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        for (int side = 0; side < kSides; ++side) {
            options_->setItem(
                row, side + 1,
                Cell(FromUtf8(setting.words[static_cast<size_t>(side)]), setting.differs));
        }
    }
    options_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

void ProjectComparisonView::FillChannels(bool showIdentical) {
    struct Row {
        int first;
        int last;  // equal to first for a channel's own row
        bool folded;
    };
    std::vector<Row> rows;
    for (const ChannelComparison& channel : comparison_.channels) {
        const bool fold = !showIdentical && channel.Identical();
        if (fold && !rows.empty() && rows.back().folded &&
            rows.back().last + 1 == channel.channel) {
            rows.back().last = channel.channel;
        } else {
            rows.push_back({channel.channel, channel.channel, fold});
        }
    }
    for (QTableWidget* table : {leftChannels_, rightChannels_}) {
        table->clearSpans();
        table->setRowCount(static_cast<int>(rows.size()));
    }
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const Row& r = rows[static_cast<size_t>(row)];
        if (!r.folded) {
            FillChannelRow(row, comparison_.channels[static_cast<size_t>(r.first - 1)]);
        }
    }
    // Before the folded rows: their text spans the row and must not widen the number column.
    MatchColumnWidths();
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const Row& r = rows[static_cast<size_t>(row)];
        if (r.folded) {
            FillFoldedRow(row, r.first, r.last);
        }
    }
}

void ProjectComparisonView::FillChannelRow(int row, const ChannelComparison& channel) {
    QTableWidget* tables[kSides] = {leftChannels_, rightChannels_};
    for (int side = 0; side < kSides; ++side) {
        QTableWidget* table = tables[side];
        auto* number = Cell(QString::number(channel.channel), false);
        number->setData(Qt::UserRole, channel.channel);
        table->setItem(row, 0, number);
        const auto& fields = channel.fields[static_cast<size_t>(side)];
        for (size_t field = 0; field < fields.size(); ++field) {
            QString text = FromUtf8(fields[field]);
            if (!channel.inUse[static_cast<size_t>(side)] && field == 0) {
                text = Text(CompareTextId::NotInUse);
            }
            QTableWidgetItem* cell = Cell(text, channel.differs[field]);
            if (field < static_cast<size_t>(kChannelFieldCount) &&
                IsFileOnlyColumn(ChannelFieldColumn(static_cast<int>(field)))) {
                QFont italic = cell->font();
                italic.setItalic(true);
                cell->setFont(italic);
            }
            table->setItem(row, static_cast<int>(field) + 1, cell);
        }
    }
}

void ProjectComparisonView::FillFoldedRow(int row, int first, int last) {
    const QString text = first == last
                             ? Text(CompareTextId::IdenticalChannel).arg(first)
                             : Text(CompareTextId::IdenticalChannels).arg(first).arg(last);
    for (QTableWidget* table : {leftChannels_, rightChannels_}) {
        auto* item = Cell(text, false);
        // From the left edge: the span is wider than the view, so centred it would be off it.
        item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        QFont italic = item->font();
        italic.setItalic(true);
        item->setFont(italic);
        // The run's first channel, negative: a folded row, not a channel's own.
        item->setData(Qt::UserRole, -first);
        table->setItem(row, 0, item);
        table->setSpan(row, 0, 1, table->columnCount());
    }
}

void ProjectComparisonView::MatchColumnWidths() {
    for (QTableWidget* table : {leftChannels_, rightChannels_}) {
        table->resizeColumnsToContents();
    }
    for (int column = 0; column < leftChannels_->columnCount(); ++column) {
        const int width =
            std::max(leftChannels_->columnWidth(column), rightChannels_->columnWidth(column));
        leftChannels_->setColumnWidth(column, width);
        rightChannels_->setColumnWidth(column, width);
    }
}

void ShowProjectComparison(GuiContext& context, QWidget* owner, const ComparedProject& left,
                           const ComparedProject& right, std::optional<RadioKind> heldBy) {
    ProjectComparisonView view(context.data.lang, left, right, owner, heldBy);
    std::optional<WindowPlace>& place = context.data.config.windows.compareView;
    RestorePlace(view, place);
    context.modals.Exec(view);
    place = PlaceOf(view);
}

}  // namespace radioprog::ui
