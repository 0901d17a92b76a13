#include "platform/QtAudioDevice.h"

#include "presentation/PresentationAudio.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {
AudioDeviceFactory g_factory;
}

std::unique_ptr<AudioDevice> NewAudioDevice() {
    return g_factory ? g_factory() : std::make_unique<QtAudioDevice>();
}

void SetAudioDeviceFactory(AudioDeviceFactory factory) {
    g_factory = std::move(factory);
}

QtAudioDevice::QtAudioDevice() = default;

QtAudioDevice::~QtAudioDevice() = default;

bool QtAudioDevice::Open() {
    if (m_effect)
        return true;
    if (QMediaDevices::audioOutputs().isEmpty())
        return false;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return false;
    m_effect = std::make_unique<QSoundEffect>(device);
    QObject::connect(m_effect.get(), &QSoundEffect::statusChanged, m_effect.get(), [this] {
        if (m_effect->status() != QSoundEffect::Error)
            return;
        ReportError(SoundPlaybackFailed,
                    "The sound file \"" + QFile::encodeName(m_effect->source().toLocalFile()).toStdString() +
                        "\" could not be played on the sound output \"" +
                        QMediaDevices::defaultAudioOutput().description().toStdString() +
                        "\". The test goes on; the supervisor should check the sound settings.");
    });
    return true;
}

void QtAudioDevice::Play(const std::string& path) {
    if (!m_effect)
        return;
    // Stopping first cuts the sound off at once; the new source then starts from its beginning.
    m_effect->stop();
    m_effect->setSource(QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(path))));
    m_effect->play();
}

void QtAudioDevice::Stop() {
    if (m_effect)
        m_effect->stop();
}
