#pragma once
// The data each window's "&Calcular" is timed with: the ordinary data set of
// each window's description as it stands, and once more the profiles at their
// most reaches and the natural channels at their most segments.

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

struct CasoMedicion {
    QString nombre; // the row of the table
    QString clase; // the window it opens
    // Input boxes by name; a box not listed keeps the text the window opens with.
    std::vector<std::pair<QString, QString>> cajas;
    // The segments typed into the grid of the natural channels, row by row.
    std::vector<QStringList> tramos = {};
    bool calcula = true; // false for the windows with no "&Calcular"
    // Entries chosen from lists: the inner page (tab caption) holding the list,
    // the list, the entry.
    std::vector<QStringList> listas = {};
};

// Every described window once, under its class name, and the larger cases after
// ("crinte 151", "frmQNaturalNConstante 299").
const std::vector<CasoMedicion>& CasosMedicion();
const CasoMedicion* BuscarCaso(const QString& nombre);
