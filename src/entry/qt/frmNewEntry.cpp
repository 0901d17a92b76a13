#include "entry/qt/frmNewEntry.h"

#include "clients/ClientFile.h"
#include "clients/Registration.h"
#include "entry/GridItems.h"
#include "entry/ScanReview.h"
#include "shell/FileNames.h"
#include "shell/ProgramFolder.h"
#include "shell/RunState.h"
#include "shell/qt/Cp1252.h"
#include "shell/qt/MsgBox.h"
#include "shell/qt/MsgPanel.h"
#include "shell/qt/StartupErrors.h"
#include "shell/qt/WindowHelpers.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr unsigned White = 0xFFFFFF, DarkBlue = 0x800000, Green = 0x00FF00, Cyan = 0xFFFF00, Black = 0x000000,
                   Yellow = 0x00FFFF;
constexpr int NumberWidth = 44, AnswerWidth = 24, RowHeight = 18, VisibleRows = 17;

QString DatabasePath() {
    return QString::fromStdString(QuestionDatabasePath.empty()
                                      ? JoinPath(ProgramFolder(), QuestionDatabaseName)
                                      : QuestionDatabasePath);
}
} // namespace

frmNewEntry::frmNewEntry(QWidget* parent)
    : TarvosDialog(parent, QStringLiteral("frmNewEntry"), QStringLiteral("Edit Client Responses")) {
    SetCancelChoice(1);
    auto* outer = new QVBoxLayout(this);
    lblClientName = NewBoldLabel(this, "lblClientName");
    outer->addWidget(lblClientName, 0, Qt::AlignHCenter);
    frEntry = new QFrame(this);
    frEntry->setObjectName(QStringLiteral("frEntry"));
    frEntry->setFrameStyle(QFrame::Box | QFrame::Sunken);
    auto* gridsRow = new QHBoxLayout(frEntry);
    gridsRow->setContentsMargins(10, 10, 10, 10);
    gridsRow->setSpacing(8);
    gridsRow->addStretch();
    outer->addWidget(frEntry);
    picGridColor = new QFrame(this);
    picGridColor->setObjectName(QStringLiteral("picGridColor"));
    picGridColor->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    AddMenuChoices(this, buttons, {QStringLiteral("Save"), QStringLiteral("Cancel")});
    buttons->addStretch();
    outer->addLayout(buttons);
    // After a scan: the doubtful marks the operator should check against the paper.
    lblScanReview = new QLabel(this);
    lblScanReview->setObjectName(QStringLiteral("lblScanReview"));
    lblScanReview->setWordWrap(true);
    lblScanReview->setVisible(false);
    outer->addWidget(lblScanReview);
    AddStatusPanel(outer);

    if (ClientRecord* slot = CurrentSlot()) {
        m_slotAtLoad = *slot;
        lblClientName->setText(FromCp1252(slot->Name.view()).trimmed());
    }
    GridItemList items;
    m_loadError = LoadGridItems(DatabasePath().toStdString(), items);
    m_layout = BuildResponseGrids(items);
    for (const auto& grid : m_layout)
        AddGrid(grid.type);
    gridsRow->addStretch();
    MaxGrid = static_cast<int>(grdResponses.size()) - 1;
    m_gridLastRow.assign(grdResponses.size(), 0);
    ItemAnswers = std::string(ItemCount, '0');
    cmdMenuChoice[0]->setEnabled(false);

    QWidget* previous = nullptr;
    for (QWidget* w : grdResponses) {
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }
    if (previous)
        setTabOrder(previous, cmdMenuChoice[0]);
    setTabOrder(cmdMenuChoice[0], cmdMenuChoice[1]);
    adjustSize();
}

void frmNewEntry::AddGrid(int type) {
    const int g = static_cast<int>(grdResponses.size());
    const auto& items = m_layout[static_cast<std::size_t>(g)].items;
    const int answers = AnswerColumnCount(type);

    auto* column = new QVBoxLayout;
    auto* label = new QLabel(QStringLiteral("Section %1").arg(g + 1), frEntry);
    label->setObjectName(QStringLiteral("lblSection_%1").arg(g));
    column->addWidget(label);

    auto* grid = new QTableWidget(static_cast<int>(items.size()), answers + 1, frEntry);
    grid->setObjectName(QStringLiteral("grdResponses_%1").arg(g));
    grid->setProperty("Tag", QString::number(type));
    QStringList header{QStringLiteral("Num")};
    for (int c = 1; c <= answers; ++c)
        header << QString::number(c);
    grid->setHorizontalHeaderLabels(header);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(RowHeight);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->setColumnWidth(0, NumberWidth);
    for (int c = 1; c <= answers; ++c)
        grid->setColumnWidth(c, AnswerWidth);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setTabKeyNavigation(false);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid->setFocusPolicy(Qt::StrongFocus);
    const int width = NumberWidth + answers * AnswerWidth +
                      grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid) +
                      2 * grid->frameWidth() + 2;
    grid->setFixedSize(width, grid->horizontalHeader()->sizeHint().height() + VisibleRows * RowHeight +
                                  2 * grid->frameWidth());
    for (int r = 0; r < grid->rowCount(); ++r) {
        for (int c = 0; c <= answers; ++c) {
            auto* cell = new QTableWidgetItem(
                c == 0 ? QStringLiteral("%1.").arg(items[static_cast<std::size_t>(r)]) : QString());
            cell->setTextAlignment(c == 0 ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignCenter);
            grid->setItem(r, c, cell);
        }
    }
    grid->installEventFilter(this);
    connect(grid, &QTableWidget::currentCellChanged, this,
            [this, g](int row, int, int, int) { Grid_CellChanged(g, row + 1); });
    column->addWidget(grid);
    // Extra height goes below the grid, so the caption stays on top of its columns.
    column->addStretch(1);
    label->setFixedWidth(width);
    static_cast<QHBoxLayout*>(frEntry->layout())->addLayout(column);
    grdResponses.push_back(grid);
    lblSection.push_back(label);
}

int frmNewEntry::GridType(int grid) const {
    return grdResponses[static_cast<std::size_t>(grid)]->property("Tag").toInt();
}

std::vector<int> frmNewEntry::RowCounts() const {
    std::vector<int> rows;
    for (const auto& g : m_layout)
        rows.push_back(static_cast<int>(g.items.size()));
    return rows;
}

int frmNewEntry::GridIndex(QObject* watched) const {
    for (std::size_t g = 0; g < grdResponses.size(); ++g)
        if (grdResponses[g] == watched)
            return static_cast<int>(g);
    return -1;
}

void frmNewEntry::SetGridCellColor(int grid, int row, int col, unsigned backColour, unsigned foreColour) {
    SetBackColor(picGridColor, backColour);
    SetForeColor(picGridColor, foreColour);
    QTableWidget* table = grdResponses[static_cast<std::size_t>(grid)];
    if (row == 0) {
        if (QTableWidgetItem* head = table->horizontalHeaderItem(col))
            head->setForeground(ColorFromBgr(foreColour));
        return;
    }
    if (QTableWidgetItem* cell = table->item(row - 1, col)) {
        cell->setBackground(ColorFromBgr(backColour));
        cell->setForeground(ColorFromBgr(foreColour));
    }
}

int frmNewEntry::RowItem(int grid, int row) const {
    return m_layout[static_cast<std::size_t>(grid)].items[static_cast<std::size_t>(row - 1)];
}

int frmNewEntry::GetRowAnswer(int grid, int row) const {
    const char code = ItemAnswers[static_cast<std::size_t>(RowItem(grid, row) - 1)];
    return code >= '0' && code <= '9' ? code - '0' : 0;
}

void frmNewEntry::PaintRowAnswer(int grid, int row, int code) {
    QTableWidget* table = grdResponses[static_cast<std::size_t>(grid)];
    SetGridCellColor(grid, row, 0, m_doubtful.count(RowItem(grid, row)) ? Yellow : White, DarkBlue);
    for (int c = 1; c < table->columnCount(); ++c) {
        const bool chosen = c == code;
        table->item(row - 1, c)->setText(chosen ? QStringLiteral("X") : QString());
        SetGridCellColor(grid, row, c, chosen ? Green : White, chosen ? Black : DarkBlue);
    }
}

void frmNewEntry::PaintAllAnswers() {
    for (int g = 0; g <= MaxGrid; ++g)
        for (int row = 1; row <= grdResponses[static_cast<std::size_t>(g)]->rowCount(); ++row)
            PaintRowAnswer(g, row, GetRowAnswer(g, row));
}

void frmNewEntry::HighlightRow(int grid) {
    QTableWidget* table = grdResponses[static_cast<std::size_t>(grid)];
    const int row = table->currentRow() + 1;
    if (row < 1)
        return;
    UnhighlightRow(grid);
    PaintRowAnswer(grid, row, GetRowAnswer(grid, row));
    for (int c = 1; c < table->columnCount(); ++c)
        SetGridCellColor(grid, row, c, Cyan, Black);
    m_gridLastRow[static_cast<std::size_t>(grid)] = row;
    table->scrollToItem(table->item(row - 1, 0), QAbstractItemView::EnsureVisible);
}

void frmNewEntry::UnhighlightRow(int grid) {
    int& last = m_gridLastRow[static_cast<std::size_t>(grid)];
    if (last >= 1 && last <= grdResponses[static_cast<std::size_t>(grid)]->rowCount())
        PaintRowAnswer(grid, last, GetRowAnswer(grid, last));
    last = 0;
}

void frmNewEntry::MoveTo(GridPosition to) {
    QTableWidget* table = grdResponses[static_cast<std::size_t>(to.grid)];
    if (to.grid != CurrentGrid || !table->hasFocus()) {
        const int from = GridIndex(QApplication::focusWidget());
        if (from >= 0 && from != to.grid)
            UnhighlightRow(from);
        CurrentGrid = to.grid;
        table->setCurrentCell(to.row - 1, 0);
        table->setFocus(Qt::OtherFocusReason);
    } else {
        table->setCurrentCell(to.row - 1, 0);
    }
    HighlightRow(to.grid);
}

void frmNewEntry::StoreDigit(int grid, char digit) {
    QTableWidget* table = grdResponses[static_cast<std::size_t>(grid)];
    const int row = table->currentRow() + 1;
    ItemAnswers[static_cast<std::size_t>(RowItem(grid, row) - 1)] = digit;
    const GridMove move = MoveForward(RowCounts(), {grid, row});
    if (move.bell) {
        HighlightRow(grid); // the last item keeps the cursor and shows its answer
        Beep();
        return;
    }
    MoveTo(move.to);
}

bool frmNewEntry::Grid_KeyPress(int grid, QKeyEvent* event) {
    QTableWidget* table = grdResponses[static_cast<std::size_t>(grid)];
    const GridPosition at{grid, table->currentRow() + 1};
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    case Qt::Key_Down:
    case Qt::Key_Up: {
        const GridMove move =
            event->key() == Qt::Key_Down ? MoveForward(RowCounts(), at) : MoveBack(RowCounts(), at);
        if (move.bell)
            Beep();
        else
            MoveTo(move.to);
        return true;
    }
    default:
        break;
    }
    const QString typed = event->text();
    if (typed.isEmpty())
        return false; // navigation and modifier keys keep the grid's own handling
    const char digit =
        typed.size() == 1 && typed.at(0).isDigit() ? static_cast<char>(typed.at(0).unicode()) : 0;
    if (digit && AcceptsDigit(GridType(grid), digit))
        StoreDigit(grid, digit);
    else
        Beep();
    return true;
}

void frmNewEntry::Grid_GotFocus(int grid) {
    msgPanel->setText(FromCp1252(AnswerLegend(GridType(grid))));
    QTableWidget* table = grdResponses[static_cast<std::size_t>(grid)];
    if (table->currentRow() < 0)
        table->setCurrentCell(0, 0);
    HighlightRow(grid);
}

void frmNewEntry::Grid_LostFocus(int grid) {
    UnhighlightRow(grid);
}

void frmNewEntry::Grid_CellChanged(int grid, int row) {
    QTableWidget* table = grdResponses[static_cast<std::size_t>(grid)];
    if (m_loading || row < 1)
        return;
    if (table->currentColumn() != 0)
        table->setCurrentCell(row - 1, 0);
    if (table->hasFocus())
        HighlightRow(grid);
}

void frmNewEntry::Form_Activate() {
    TarvosDialog::Form_Activate();
    ClientRecord* slot = CurrentSlot();
    if (!m_loadError.ok() || !slot || grdResponses.empty()) {
        MsgBox(m_loadError.ok() ? QStringLiteral("No client is selected.") : UnexpectedErrorText(m_loadError),
               vbOKOnly | vbCritical, AppTitle());
        Abandon();
        return;
    }
    const std::string stored = slot->Responses.str();
    if (ScannedAnswers) {
        const std::vector<int> items = DoubtfulItems(LastScanReview);
        m_doubtful = std::set<int>(items.begin(), items.end());
        lblScanReview->setText(FromCp1252(DescribeDoubts(LastScanReview.doubts)));
        lblScanReview->setVisible(!LastScanReview.doubts.empty());
    }
    if (ScannedAnswers && (AnswerCodeCount(stored) < ItemCount || LastScanReview.unreadAnswers > 0)) {
        MsgBox(QStringLiteral("Scanned answers being populated for editing but\nsome answers did not scan "
                              "correctly.\nCheck Responses carefully."),
               vbOKOnly, QStringLiteral("Scanned Answers Warning"));
        ItemAnswers = CompleteAnswerCodes(stored, ItemCount);
    } else {
        ItemAnswers = stored;
    }
    PaintAllAnswers();
    for (QTableWidget* table : grdResponses)
        table->setCurrentCell(0, 0);
    m_loading = false;
    CurrentGrid = 0;
    cmdMenuChoice[0]->setEnabled(true);
    cmdMenuChoice[1]->setEnabled(true);
    grdResponses[0]->setFocus(Qt::OtherFocusReason);
    HighlightRow(0);
}

void frmNewEntry::cmdMenuChoice_GotFocus(int index) {
    HighlightMenuChoice(index);
    msgPanel->setText(index == 0 ? QStringLiteral("SAVE data, close this window and return to Main Menu")
                                 : QStringLiteral("DISCARD data, close this window and return to Main Menu"));
}

void frmNewEntry::cmdMenuChoice_Click(int index) {
    if (index != 0) {
        cmdMenuChoice[1]->setEnabled(false);
        Abandon();
        return;
    }
    if (m_loading)
        return;
    cmdMenuChoice[0]->setEnabled(false);
    if (auto err = StoreClientAnswers(ItemAnswers, !EditExisting); !err.ok()) {
        // Nothing was stored: say so and let the user try again or cancel.
        MsgBox(UnexpectedErrorText(err), vbOKOnly | vbCritical, AppTitle());
        cmdMenuChoice[0]->setEnabled(true);
        cmdMenuChoice[0]->setFocus(Qt::OtherFocusReason);
        return;
    }
    Finish(true);
}

void frmNewEntry::Abandon() {
    DiscardSlotChanges(m_slotAtLoad);
    Finish(false);
}

bool frmNewEntry::eventFilter(QObject* watched, QEvent* event) {
    const int grid = GridIndex(watched);
    if (grid < 0)
        return TarvosDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        return !m_loading && Grid_KeyPress(grid, static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
        if (!m_loading)
            Grid_GotFocus(grid);
        break;
    case QEvent::FocusOut:
        if (!m_loading)
            Grid_LostFocus(grid);
        break;
    default:
        break;
    }
    return false;
}
