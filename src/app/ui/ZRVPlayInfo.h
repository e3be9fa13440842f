#pragma once

#include <QObject>

// The play state the window shows. Every change is announced, and the
// position is bound both ways to the two position sliders.
class ZRVPlayInfo : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isPlaying READ isPlaying WRITE setIsPlaying NOTIFY isPlayingChanged)
    Q_PROPERTY(int audioMediaDirection READ audioMediaDirection WRITE setAudioMediaDirection NOTIFY
                   audioMediaDirectionChanged)
    Q_PROPERTY(double position READ position WRITE setPosition NOTIFY positionChanged)
    Q_PROPERTY(double speed READ speed WRITE setSpeed NOTIFY speedChanged)
    Q_PROPERTY(double scale READ scale WRITE setScale NOTIFY scaleChanged)
    Q_PROPERTY(qint64 length READ length WRITE setLength NOTIFY lengthChanged)

public:
    using QObject::QObject;

    bool isPlaying() const { return m_isPlaying; }
    void setIsPlaying(bool isPlaying);
    // 0 front, 1 rear, 2 none, as a camera side.
    int audioMediaDirection() const { return m_audioMediaDirection; }
    void setAudioMediaDirection(int direction);
    // Fraction of the main recording, 0 to 1.
    double position() const { return m_position; }
    void setPosition(double position);
    double speed() const { return m_speed; }
    void setSpeed(double speed);
    // Main video area height over the picture height; 0 until first computed.
    double scale() const { return m_scale; }
    void setScale(double scale);
    // Milliseconds of the main recording; 0 while unknown.
    qint64 length() const { return m_length; }
    void setLength(qint64 length);

signals:
    void isPlayingChanged(bool isPlaying);
    void audioMediaDirectionChanged(int direction);
    void positionChanged(double position);
    void speedChanged(double speed);
    void scaleChanged(double scale);
    void lengthChanged(qint64 length);

private:
    bool m_isPlaying = false;
    int m_audioMediaDirection = 0;
    double m_position = 0;
    double m_speed = 1.0;
    double m_scale = 0;
    qint64 m_length = 0;
};
