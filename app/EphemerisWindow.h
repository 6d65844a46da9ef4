#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class CCurrentEclipse;
class Ephemeris;
class CUmbrantDoc;
class QLabel;
class QTableWidget;

// "Ephémérides": the table of the Sun's and the Moon's apparent right
// ascension and declination, distance and semi-diameter, and the Earth's
// heliocentric position, for the epoch and across the current eclipse.
// Computed off the interface thread whenever the epoch or the eclipse
// changes; "Copier" and Ctrl+C copy it as text with tabs.
class CEphemerisWindow : public QDialog {
    Q_OBJECT

public:
    using EphemerisSource = std::function<Ephemeris()>;

    CEphemerisWindow(CUmbrantDoc& document, CCurrentEclipse& eclipse, EphemerisSource ephemeris, QWidget* parent = nullptr);
    ~CEphemerisWindow() override;

    // Computes the table again (once more after the one running, if any).
    void Refresh();
    bool IsComputing() const;
    // The table as lines of tab-separated cells, the header first.
    QString TableText() const;

private:
    void OnComputed();
    void Fill();
    void CopyTable() const;

    CUmbrantDoc& m_document;
    CCurrentEclipse& m_eclipse;
    EphemerisSource m_ephemeris;
    QTableWidget* m_table = nullptr;
    QLabel* m_status = nullptr;
    // The computation running (the computing headers stay out of this one:
    // moc cannot read them).
    struct Private;
    std::unique_ptr<Private> m_private;
    bool m_refreshAgain = false;
};
