#pragma once

#include <QDockWidget>

#include <memory>
#include <optional>

class CObserverZone;
class CUmbrantDoc;
class Instant;
class QLabel;
class QPushButton;
class QTableWidget;
struct FittedElements;
struct GeographicPlace;
struct LocalCircumstances;

// "Circonstances locales": the current eclipse as the document's observer
// sees it: its type there, the contacts C1 to C4 and the maximum in UT and in
// local time (in the observer's time zone, or else UT + the document's
// "Décalage horaire") with the Sun's altitude and azimuth and the position
// angle of the contact (as "umbrant-cli local" gives them), the magnitude,
// the ratio of the Moon's apparent diameter to the Sun's, the obscuration
// and the duration of the central phase; a button a contact sets the epoch
// to it. It follows the observer, the epoch (whose dialog holds the offset)
// and the eclipse, and keeps its width whatever it shows, so that the map
// beside it does not move.
class CLocalCircumstancesPanel : public QDockWidget {
    Q_OBJECT

public:
    explicit CLocalCircumstancesPanel(CUmbrantDoc& document, QWidget* parent = nullptr);
    ~CLocalCircumstancesPanel() override;

    // The fitted elements of the eclipse to show (copied); none empties the
    // panel. With the standard error of their Delta T (seconds), the panel
    // also gives the chance of the central phase.
    void SetEclipse(const FittedElements* elements, std::optional<double> deltaTSigma = std::nullopt);
    // Computes and shows the circumstances again.
    void Refresh();
    // Sets the document's epoch to a contact (0 to 4: C1, C2, the maximum,
    // C3, C4) of the eclipse shown; nothing when it has none.
    void GoToContact(int index);
    // The observer's time zone for the local times (none: the document's offset).
    void SetObserverZone(const CObserverZone* zone);

private:
    QWidget* MakeSummary();
    QTableWidget* MakeContactTable();
    QWidget* MakeContactButtons();
    void FixWidth(QWidget& content);
    void ShowNothing(const QString& why);
    void Show(const LocalCircumstances& seen, double offsetHours);
    void ShowContacts(const LocalCircumstances& seen, double offsetHours);
    void ShowHorizonEvents(const LocalCircumstances& seen);
    QString LocalTimeHeader(double offsetHours) const;
    QString LocalTimeOfDay(const Instant& instant, double deltaT, double offsetHours) const;
    void ShowCentralChance(const GeographicPlace& place);

    CUmbrantDoc& m_document;
    const CObserverZone* m_zone = nullptr;
    std::unique_ptr<FittedElements> m_elements;
    std::unique_ptr<LocalCircumstances> m_seen;  // what the panel shows
    std::optional<double> m_deltaTSigma;
    QLabel* m_place = nullptr;
    QLabel* m_type = nullptr;
    QLabel* m_magnitude = nullptr;
    QLabel* m_moonSunRatio = nullptr;
    QLabel* m_obscuration = nullptr;
    QLabel* m_duration = nullptr;
    QTableWidget* m_contacts = nullptr;
    QList<QPushButton*> m_contactButtons;
    QLabel* m_horizon = nullptr;
    QLabel* m_chance = nullptr;
};
