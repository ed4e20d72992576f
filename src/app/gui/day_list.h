// SPDX-License-Identifier: GPL-3.0-or-later
// The parts the year's lists share (feasts, eclipses, planetary events): a
// bold heading, a two-column list of dated rows, and under it the hint that a
// row goes to its day and the close button.
#pragma once

#include <QString>

class QDialog;
class QLabel;
class QTreeWidget;
class QVBoxLayout;

namespace tempulo {

QLabel* AddDayListHeading(QDialog* dialog, QVBoxLayout* layout);

// The list, stretched in the layout; its first column fits its contents.
QTreeWidget* AddDayList(QDialog* dialog, QVBoxLayout* layout, const QString& objectName,
                        const QString& accessibleName, const QString& firstColumn, const QString& secondColumn);

// The hint and "Schließen", which rejects the dialog.
void AddDayListFooter(QDialog* dialog, QVBoxLayout* layout);

}  // namespace tempulo
