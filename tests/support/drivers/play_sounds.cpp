// Plays sounds through the program's real sound output, for the tests that listen to it:
//   tarvos_play_sounds SOUNDFOLDER LANGUAGE MS NAME [MS NAME]... MS
// waits MS milliseconds before asking for each NAME (each request cuts off the sound before), then
// the last MS before quitting. Prints "audio on" or "audio off", and any sound error.
#include "platform/QtAudioDevice.h"
#include "presentation/PresentationAudio.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 4 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: tarvos_play_sounds SOUNDFOLDER LANGUAGE MS NAME [MS NAME]... MS\n");
        return 2;
    }
    QtAudioDevice device;
    PresentationAudio audio(device, argv[1], argv[2]);
    audio.SetErrorHandler([](int number, const std::string& text) {
        std::printf("Sound Error: Error %d:%s\n", number, text.c_str());
        std::fflush(stdout);
    });
    audio.InitAudio();
    std::printf("audio %s\n", audio.AudioOn() ? "on" : "off");
    std::fflush(stdout);
    int at = 0;
    for (int i = 3; i < argc; i += 2) {
        at += std::atoi(argv[i]);
        if (i + 1 < argc) {
            const std::string name = argv[i + 1];
            QTimer::singleShot(at, &app, [&audio, name] { audio.PlayAudio(name); });
        }
    }
    QTimer::singleShot(at, &app, &QCoreApplication::quit);
    return app.exec();
}
