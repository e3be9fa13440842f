#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <functional>

class CustomWindow;
class QAbstractButton;
class QPropertyAnimation;
class QSlider;
class QWidget;
class ZRVMediaPlayer;
class ZRVPlayInfo;
class ZRVPlayerWindowView;

// How the two players are presented: play speed, zoom of the main video
// (which resizes the window and may take it to full screen), sound volume,
// and which camera is heard. Only one player is ever audible: the one showing
// the chosen camera, whichever area it is drawn in.
class ZRVPresentationController : public QObject {
    Q_OBJECT
    Q_PROPERTY(quint64 volume READ volume WRITE setVolume NOTIFY volumeChanged)

public:
    static constexpr double kMinSpeed = 1.0;
    static constexpr double kMaxSpeed = 2.0;
    static constexpr double kSpeedStep = 1.0;
    static constexpr quint64 kMaxVolume = 200;
    static constexpr quint64 kInitialVolume = 70;
    static constexpr quint64 kVolumeStep = 10;

    struct Options {
        // The whole frame of the window's screen; by default the window's
        // own screen is asked.
        std::function<QRect()> screenGeometry;
        // Length of the resize animation of a zoom step; 0 resizes at once.
        int resizeAnimationMilliseconds = 200;
    };

    ZRVPresentationController(ZRVMediaPlayer& player1, ZRVMediaPlayer& player2,
                              ZRVPlayInfo& playInfo, CustomWindow* window,
                              const ZRVPlayerWindowView& view, Options options,
                              QObject* parent = nullptr);
    ~ZRVPresentationController() override;

    void increaseSpeed();
    void decreaseSpeed();

    // Act only while the main player is playing.
    void sizeUp();
    void sizeDown();
    void setVideoScaleIndex(int step);
    // Run on every change of the window's content size.
    void updatePlayInfoScale();

    quint64 volume() const { return m_volume; }
    void setVolume(quint64 volume);
    void volumeUp();
    void volumeDown();
    void volumeSliderMoved(int value);

    // checked: the rear camera is heard.
    void toggleAudioChoice(bool checked);
    void chooseAudioAuto();
    static bool hasAudio(const ZRVMediaPlayer& player);
    void updateAudioUI();

signals:
    void volumeChanged(quint64 volume);

private:
    void showSpeed(double speed);
    void showScale(double scale);
    QRect screenGeometry() const;
    // Where the window is going: the end of a running resize, else its frame.
    QRect targetFrame() const;
    void stopResizeAnimation();
    void resizeWindow(const QRect& frame);
    void makeAudible(ZRVMediaPlayer& audible, ZRVMediaPlayer& silent);
    void muteBoth();

    ZRVMediaPlayer& m_player1;
    ZRVMediaPlayer& m_player2;
    ZRVPlayInfo& m_playInfo;
    QPointer<CustomWindow> m_window;
    QPointer<QAbstractButton> m_speedTextButton;
    QPointer<QAbstractButton> m_sizeTextButton;
    QPointer<QAbstractButton> m_audioToggleButton;
    QPointer<QSlider> m_volumeSlider;
    QPointer<QWidget> m_videoContainerView;
    Options m_options;
    QPointer<QPropertyAnimation> m_resizeAnimation;
    quint64 m_volume = kInitialVolume;
};
