#pragma once

#include <QString>

#include <initializer_list>
#include <utility>

// Types the name and the count of columns 1, 2, ... into the ranking grid of either
// wizard's logic, cell by cell, as its window forwards them.
template <typename WizardLogic>
void TypeInGrid(WizardLogic& wizard,
                std::initializer_list<std::pair<const char*, const char*>> columns) {
    int column = 1;
    for (const auto& [name, count] : columns) {
        wizard.GridCellChanged(0, column, QString::fromUtf8(name));
        wizard.GridCellChanged(1, column, QString::fromUtf8(count));
        ++column;
    }
}
