#pragma once

#include <QString>

class EnterGrid;
class QGridLayout;
class QGroupBox;
class QLabel;
class QObject;
class QPushButton;
class QWidget;

// The controls both wizards build alike: the two-row grid of rankings and counts, the
// rows of figures of their "Informations" box, their push buttons.
class WizardControls {
public:
    template <typename Control>
    static Control* named(Control* control, const char* name) {
        control->setObjectName(QString::fromLatin1(name));
        return control;
    }

    // The group box "GroupBox1" holding the grid "StringGrid1Effectif": names above,
    // counts below, one column per ranking, every cell there and centred.
    static QGroupBox* RankingGroup(QWidget* parent, const QString& title, int columns,
                                   EnterGrid*& grid);

    // One row of figures: its caption on the left, its value on the right; returns the
    // caption.
    static QLabel* FigureRow(QGridLayout* rows, const char* name, const QString& caption,
                             QLabel*& value, const char* valueName);

    static QPushButton* Button(QWidget* parent, const QString& caption, const char* name);
};
