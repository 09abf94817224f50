// Plays a sound file through the framework, as the game plays its sounds,
// and returns once it has been heard out: play_sound FILE [TIMES [MS]].
// Played more than once, each play starts the sound again at once. Given
// MS, it ends that many milliseconds after the play, heard out or not.
// Exit status 0 after playing (or after finding no audio output), 2 when
// the file is not a sound.

#include <QApplication>
#include <QByteArray>
#include <QTimer>
#include <QtGlobal>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "framework/FolderItem.h"
#include "framework/Runtime.h"
#include "framework/Sound.h"

int main(int argc, char** argv) {
  const int times = argc >= 3 ? std::atoi(argv[2]) : 1;
  const int wait = argc >= 4 ? std::atoi(argv[3]) : -1;
  if (argc < 2 || argc > 4 || times < 1) {
    std::fprintf(stderr, "usage: play_sound FILE [TIMES [MS]]\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
  fw::RuntimeInit(argc, argv);

  std::shared_ptr<fw::Sound> sound = fw::FolderItem(argv[1]).OpenAsSound();
  if (!sound) {
    std::fprintf(stderr, "play_sound: %s is not a sound\n", argv[1]);
    (void)fw::RuntimeExit();
    return 2;
  }
  sound->Play();
  // The sound plays from the event loop; give it its length and a margin
  // for the output's latency.
  const int milliseconds =
      wait >= 0 ? wait : static_cast<int>(std::lround(sound->Seconds() * 1000.0)) + 3000;
  QTimer::singleShot(milliseconds, qApp, &QCoreApplication::quit);
  QApplication::exec();
  // Released before the runtime ends, as the game releases its sounds,
  // perhaps while it still plays.
  sound.reset();
  return fw::RuntimeExit();
}
