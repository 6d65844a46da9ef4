#pragma once

#include <QToolBar>

class CCurrentEclipse;
class CObserverZone;
class CUmbrantDoc;
class QComboBox;
class QLabel;
class QSlider;
class QTimer;

// The time bar under the tool bar: the epoch in Universal Time and in local
// time (in the observer's time zone, or else UT plus the "Décalage
// horaire" of the document), steps of one and
// ten minutes either way, a slider over the current eclipse from its first
// to its last penumbral contact (P1 to P4), and an animation at a chosen
// speed (10 s/s to 30 min/s) that stops at P4. Every step changes the document's epoch and says
// so (CUmbrantDoc::NotifyEpochChanged); the window redraws the map.
class CTimeBar : public QToolBar {
    Q_OBJECT

public:
    CTimeBar(CUmbrantDoc& document, CCurrentEclipse& eclipse, QWidget* parent = nullptr);

    // The four steps and the animation, with their shortcuts, for the window
    // to hold as well (so that the keys work with the bar hidden).
    QList<QAction*> TimeActions() const;

    // Moves the epoch by whole minutes, forward or back.
    void Step(int minutes);
    // The animation: the epoch advances speed seconds each second of display,
    // a picture every 1/30 s.
    void Play();
    void Pause();
    bool IsPlaying() const;
    void SetSpeed(int secondsPerSecond);
    int Speed() const;

    // Reads the epoch, the offset and the current eclipse again.
    void Refresh();
    // The observer's time zone for the local time (none: the document's offset).
    void SetObserverZone(const CObserverZone* zone);

    // The speeds offered, seconds of eclipse a second: from 10 s/s, to
    // watch the second contact come, to 30 min/s.
    static const QList<int>& Speeds();
    // Pictures a second of the animation.
    static constexpr int kFramesPerSecond = 30;

private:
    QAction* AddStep(int minutes, const char* name, const QString& text, const QString& prompt, const QKeySequence& key);
    void AddSlider();
    void AddPlayer();
    void OnSliderMoved(int value);
    void OnFrame();
    void TogglePlaying();
    void AdvanceSeconds(double seconds);
    // The eclipse's P1 and P4 as seconds from the epoch's UT; false without them.
    bool ContactsFromEpoch(double& p1, double& p4) const;
    void UpdateLabels();
    void UpdateSlider();

    CUmbrantDoc& m_document;
    CCurrentEclipse& m_eclipse;
    const CObserverZone* m_zone = nullptr;
    QLabel* m_universalLabel = nullptr;
    QLabel* m_localLabel = nullptr;
    QSlider* m_slider = nullptr;
    QComboBox* m_speedBox = nullptr;
    QAction* m_playAction = nullptr;
    QTimer* m_timer = nullptr;
    QList<QAction*> m_timeActions;
    bool m_updating = false;
};
