#include "entry/ResponseGridRules.h"

#include "shell/TrimBlanks.h"

#include <algorithm>

namespace {
struct TypeInfo {
    int columns, width;
    std::string_view legend;
};

constexpr TypeInfo Types[AnswerTypeCount] = {
    {2, 1120, "0=No answer, 1=True, 2=False, Tab=Next grid"},
    {2, 1120, "0=No answer, 1=Yes, 2=No, Tab=Next grid"},
    {4, 1550, "0=No answer, 1=1, 2=2,  3=3, 4=4, Tab=Next grid"},
    {4, 1550, "0=No answer, 1=Rare/Never, 2=Sometimes, 3=Often, 4=Very Often/Always, Tab=Next grid"},
    {5, 1750, "0=No answer, 1=True, 2=Mostly True, 3=Can't Decide, 4=Mostly False, 5=False, Tab=Next grid"},
    {5, 1750, "0=No answer, 1=Very Often, 2=Often, 3=Can't Decide, 4=Often, 5=Very Often, Tab=Next grid"},
};

const TypeInfo& InfoOf(int type) {
    return Types[std::clamp(type, 0, AnswerTypeCount - 1)];
}
} // namespace

int AnswerTypeOf(std::string_view answer2) {
    const std::string_view prefix = answer2.substr(0, 5);
    if (prefix == "False")
        return 0;
    if (prefix == "Somet")
        return 3;
    if (prefix == "Mostl")
        return 4;
    if (prefix == "Often")
        return 5;
    if (answer2 == "No")
        return 1;
    return 2;
}

int AnswerColumnCount(int type) {
    return InfoOf(type).columns;
}
int GridWidthTwips(int type) {
    return InfoOf(type).width;
}
std::string_view AnswerLegend(int type) {
    return InfoOf(type).legend;
}

bool AcceptsDigit(int type, char digit) {
    return digit >= '0' && digit <= '9' && digit - '0' <= AnswerColumnCount(type);
}

std::vector<ResponseGridLayout> BuildResponseGrids(const std::vector<std::pair<int, std::string>>& items) {
    std::vector<ResponseGridLayout> grids;
    for (const auto& [id, answer2] : items) {
        const int type = AnswerTypeOf(answer2);
        auto g =
            std::find_if(grids.begin(), grids.end(), [type](const auto& grid) { return grid.type == type; });
        if (g == grids.end())
            g = grids.insert(grids.end(), ResponseGridLayout{type, {}});
        g->items.push_back(id);
    }
    return grids;
}

GridMove MoveForward(const std::vector<int>& rows, GridPosition at) {
    const int last = static_cast<int>(rows.size()) - 1;
    if (at.grid < 0 || at.grid > last)
        return {at, true};
    if (at.row < rows[static_cast<std::size_t>(at.grid)])
        return {{at.grid, at.row + 1}, false};
    if (at.grid < last)
        return {{at.grid + 1, 1}, false};
    return {at, true};
}

GridMove MoveBack(const std::vector<int>& rows, GridPosition at) {
    const int last = static_cast<int>(rows.size()) - 1;
    if (at.grid < 0 || at.grid > last)
        return {at, true};
    if (at.row > 1)
        return {{at.grid, at.row - 1}, false};
    if (at.grid > 0)
        return {{at.grid - 1, rows[static_cast<std::size_t>(at.grid - 1)]}, false};
    return {at, true};
}

int AnswerCodeCount(std::string_view responses) {
    return static_cast<int>(TrimRightBlanks(responses).size());
}

std::string CompleteAnswerCodes(std::string_view responses, int items) {
    std::string codes(responses.substr(0, static_cast<std::size_t>(AnswerCodeCount(responses))));
    if (static_cast<int>(codes.size()) < items)
        codes.resize(static_cast<std::size_t>(items), '0');
    return codes;
}
