#pragma once

#include <QDockWidget>

#include <memory>
#include <optional>

class CUmbrantDoc;
class QLabel;
class QTableWidget;
struct FittedElements;
struct GeographicPlace;
struct LocalCircumstances;

// "Circonstances locales": the current eclipse as the document's observer
// sees it: its type there, the contacts C1 to C4 and the maximum in UT and in
// local time (UT + the "Décalage horaire" of the settings) with the Sun's
// altitude, the magnitude, the ratio of the Moon's apparent diameter to the
// Sun's, the obscuration and the duration of the central phase. It follows the observer, the epoch (whose dialog holds the offset)
// and the eclipse.
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

private:
    QWidget* MakeSummary();
    QTableWidget* MakeContactTable();
    void ShowNothing(const QString& why);
    void Show(const LocalCircumstances& seen, double offsetHours);
    void ShowContacts(const LocalCircumstances& seen, double offsetHours);
    void ShowHorizonEvents(const LocalCircumstances& seen);
    void ShowCentralChance(const GeographicPlace& place);

    CUmbrantDoc& m_document;
    std::unique_ptr<FittedElements> m_elements;
    std::optional<double> m_deltaTSigma;
    QLabel* m_place = nullptr;
    QLabel* m_type = nullptr;
    QLabel* m_magnitude = nullptr;
    QLabel* m_moonSunRatio = nullptr;
    QLabel* m_obscuration = nullptr;
    QLabel* m_duration = nullptr;
    QTableWidget* m_contacts = nullptr;
    QLabel* m_horizon = nullptr;
    QLabel* m_chance = nullptr;
};
