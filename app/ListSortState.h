// The item list's sort column and direction as header clicks change them: another column sorts
// ascending, the same column again flips the direction.
#pragma once

class ListSortState
{
public:
    static constexpr int Ascending = 0;
    static constexpr int Descending = -1;  // every bit of Ascending inverted

    void Click(int column)
    {
        if (column != m_column) {
            m_column = column;
            m_direction = Ascending;
        } else {
            m_direction = ~m_direction;
        }
    }
    int Column() const { return m_column; }
    int Direction() const { return m_direction; }

private:
    int m_column = 0;
    int m_direction = Ascending;
};
