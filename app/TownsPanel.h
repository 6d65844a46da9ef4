#pragma once

#include "places/Place.h"

#include <QDockWidget>

#include <memory>
#include <vector>

class CCurrentEclipse;
class QCheckBox;
class QLabel;
class QSortFilterProxyModel;
class QTableView;
struct TownCircumstances;

// "Villes": every town of the gazetteer that sees the current eclipse, one
// a row with its region, country, population, the type of the eclipse
// there, its magnitude, the duration of the central phase, the maximum in
// the town's civil time and the Sun's altitude then; sortable by each
// column, the longest central phase first. A click on a town places the
// observer there and centres the map on it.
class CTownsPanel : public QDockWidget {
    Q_OBJECT

public:
    explicit CTownsPanel(CCurrentEclipse& eclipse, QWidget* parent = nullptr);
    ~CTownsPanel() override;

    // Shows the towns of the current eclipse again.
    void Refresh();
    // The table's rows as shown (sorted and filtered).
    int RowCount() const;
    QTableView& Table() const { return *m_table; }

    class Model;

signals:
    void TownChosen(const Place& town);

private:
    void OnClicked(const QModelIndex& index);
    void UpdateStatus();

    CCurrentEclipse& m_eclipse;
    Model* m_model = nullptr;
    QSortFilterProxyModel* m_sorted = nullptr;
    QTableView* m_table = nullptr;
    QCheckBox* m_centralOnly = nullptr;
    QLabel* m_status = nullptr;
};
