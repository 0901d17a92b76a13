#pragma once
// The rules of the response grid, free of any widget: each item's answer type from the text of its
// second answer, the grids that gather the items of one type, the digits each type accepts, the
// cursor's moves within and across grids, and the completion of a scanned answer string.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// 0 True/False, 1 Yes/No, 2 four numbered answers, 3 Rare..Always, 4 True..False in five steps,
// 5 Very Often..Very Often in five steps.
constexpr int AnswerTypeCount = 6;

int AnswerTypeOf(std::string_view answer2);
int AnswerColumnCount(int type);
// The grid's width in twips, as laid out on a standard display.
int GridWidthTwips(int type);
// The legend shown while a grid of the type has the focus.
std::string_view AnswerLegend(int type);
// Whether a digit typed in a grid of the type is stored (others sound the bell).
bool AcceptsDigit(int type, char digit);

struct ResponseGridLayout {
    int type = 0;
    std::vector<int> items; // item numbers, row 1 first
};

// The grids for items given in table order as (item number, second answer): one grid per answer
// type, numbered in the order the types first occur; each grid lists its items in table order.
std::vector<ResponseGridLayout> BuildResponseGrids(const std::vector<std::pair<int, std::string>>& items);

// A cursor position: grid index and row (1 = first item row).
struct GridPosition {
    int grid = 0;
    int row = 1;
    bool operator==(const GridPosition&) const = default;
};
struct GridMove {
    GridPosition to;
    bool bell = false;
};
// `rows` holds each grid's number of item rows.
// After an answer was stored, or on Down: the next row, row 1 of the next grid after a grid's last
// row, and the bell on the last row of the last grid.
GridMove MoveForward(const std::vector<int>& rows, GridPosition at);
// Up: the previous row, the last row of the previous grid from row 1, the bell on the first row of
// the first grid.
GridMove MoveBack(const std::vector<int>& rows, GridPosition at);

// The number of answer codes in a response string: its length without trailing blanks.
int AnswerCodeCount(std::string_view responses);
// The response string completed with "0" after its codes up to `items` codes.
std::string CompleteAnswerCodes(std::string_view responses, int items);
