// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own dialogs keep state of their own: the file dialog writes the folders it visited, its
// sidebar and its column widths into ~/.config/QtProject.conf, a file every Qt program shares.
// The game keeps nothing but its own data files, so while it runs Qt's user settings are pointed
// at a private folder that goes with the program.
#include <QString>
#include <QTemporaryDir>

namespace mrvelto {

class ImpostazioniQtTemporanee {
public:
    // To be made before anything opens a QSettings (at the start of main). Also removes the
    // folders of runs that were killed before they could remove their own.
    ImpostazioniQtTemporanee();
    ~ImpostazioniQtTemporanee();
    // Where Qt's user settings go meanwhile; empty if no private folder could be made (then Qt
    // keeps its usual place: a dialog's history is not worth refusing to start).
    QString Cartella() const;

private:
    QTemporaryDir cartella_;
    int blocco_ = -1;  // held for the whole run: a folder whose lock is free belongs to no one
};

// Removes the "mrvelto-qt-*" folders in `base` whose run has ended (their lock is free) and
// that are older than a few seconds (a run just starting may not hold its lock yet). Returns how
// many were removed.
int RimuoviCartelleQtAbbandonate(const QString& base);

}  // namespace mrvelto
