#include "entry/ScanItemTable.h"

bool ScanItemList::MoveFirst() {
    m_pos = 0;
    return !m_rows.empty();
}

bool ScanItemList::MoveNext() {
    if (m_pos < m_rows.size())
        ++m_pos;
    return m_pos < m_rows.size();
}

ScanItemRow ScanItemList::Current() const {
    if (m_pos >= m_rows.size())
        throw ScanReadError("no current record");
    return m_rows[m_pos];
}

void ScanItemList::StorePosition(int x, int y) {
    if (m_pos >= m_rows.size())
        throw ScanReadError("no current record");
    m_rows[m_pos].x = x;
    m_rows[m_pos].y = y;
}
