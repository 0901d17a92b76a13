#pragma once
// "Edit Client Responses": the 149 answers of the current client keyed from a paper answer sheet,
// in one grid per answer type, side by side.
#include "clients/ClientRecord.h"
#include "entry/ResponseGridRules.h"
#include "shell/FileError.h"
#include "shell/qt/TarvosDialog.h"

#include <set>
#include <string>
#include <vector>

class QFrame;
class QLabel;
class QTableWidget;

class frmNewEntry : public TarvosDialog {
    Q_OBJECT
public:
    explicit frmNewEntry(QWidget* parent = nullptr);

    QFrame* frEntry;
    QLabel* lblClientName;
    QFrame* picGridColor;
    std::vector<QTableWidget*> grdResponses;
    std::vector<QLabel*> lblSection;
    QLabel* lblScanReview; // after a scan: the doubtful marks to check

    // The answer codes being edited, item n at index n-1.
    std::string ItemAnswers;
    int MaxGrid = 0;
    int CurrentGrid = 0;

    void Form_Activate() override;
    void cmdMenuChoice_Click(int index) override;
    void cmdMenuChoice_GotFocus(int index) override;
    // Colours cell (row, col) of a grid (row 0 = the header) with 0x00BBGGRR numbers.
    void SetGridCellColor(int grid, int row, int col, unsigned backColour, unsigned foreColour);
    // The answer type of a grid.
    int GridType(int grid) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AddGrid(int type);
    void PaintAllAnswers();
    int RowItem(int grid, int row) const;
    int GetRowAnswer(int grid, int row) const;
    void PaintRowAnswer(int grid, int row, int code);
    void HighlightRow(int grid);
    void UnhighlightRow(int grid);
    void MoveTo(GridPosition to);
    void StoreDigit(int grid, char digit);
    bool Grid_KeyPress(int grid, QKeyEvent* event);
    void Grid_GotFocus(int grid);
    void Grid_LostFocus(int grid);
    void Grid_CellChanged(int grid, int row);
    std::vector<int> RowCounts() const;
    int GridIndex(QObject* watched) const;
    // Abandons the grid: a new client's slot is blanked, an edited client's slot reloaded from the file.
    void Abandon();

    std::vector<ResponseGridLayout> m_layout;
    std::vector<int> m_gridLastRow; // per grid, the highlighted row (1-based), 0 = none
    FileError m_loadError;
    ClientRecord m_slotAtLoad;
    bool m_loading = true;
    std::set<int> m_doubtful; // items shown highlighted for checking after a scan
};
