#pragma once

#include <QDialog>

#include <memory>
#include <utility>
#include <vector>

class Ephemeris;
class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
struct EclipseSummary;
struct GeographicPlace;
enum class EclipseType;

// "Rechercher les éclipses": the solar eclipses of a range of years (the
// range searched last, kept in the settings, or the current decade), one a
// row with the date and time of greatest eclipse (UT), the type, the
// magnitude, the central duration and the place of greatest eclipse, sorted
// by a click on a column's title. The rows can be filtered by type and to
// the eclipses the observer sees (some phase with the Sun up). The search
// runs off the interface thread, by decades, with a progress bar; a new
// search or closing the dialog drops the one running. A double click or
// "Ok" chooses the selected eclipse.
class CEclipseListDialog : public QDialog {
    Q_OBJECT

public:
    CEclipseListDialog(const Ephemeris& ephemeris, const GeographicPlace& observer, QWidget* parent = nullptr);
    ~CEclipseListDialog() override;

    // Starts the search of the years firstYear to lastYear, both included.
    void Search(int firstYear, int lastYear);
    bool IsSearching() const;
    const std::vector<EclipseSummary>& Eclipses() const;
    // Whether the observer sees the eclipse of that index of Eclipses().
    bool SeenFromObserver(std::size_t index) const;
    // The eclipse chosen by "Ok" or a double click; null before.
    const EclipseSummary* Chosen() const;

    void accept() override;
    void done(int result) override;

    // The years of the current decade.
    static std::pair<int, int> CurrentDecade();

private:
    QWidget* MakeRangeRow();
    QWidget* MakeFilterRow();
    void ApplyFilter();
    QWidget* MakeClosingButtons();
    void OnSearchFinished();
    void FillTable();
    // The index in Eclipses() of a row, whatever the order of the rows.
    int IndexOfRow(int row) const;
    void UpdateOkButton();

    // The ephemeris, the search running and what was found (the computing
    // headers stay out of this one: moc cannot read them).
    struct Private;
    std::unique_ptr<Private> m_private;
    QSpinBox* m_fromYear = nullptr;
    QSpinBox* m_toYear = nullptr;
    QComboBox* m_typeFilter = nullptr;
    QCheckBox* m_seenFilter = nullptr;
    QPushButton* m_searchButton = nullptr;
    QPushButton* m_okButton = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_status = nullptr;
    QProgressBar* m_progress = nullptr;
    int m_searchedFrom = 0;
    int m_searchedTo = 0;
};

// The type of an eclipse in French: "partielle", "annulaire", "totale", "hybride".
QString EclipseTypeText(EclipseType type);
