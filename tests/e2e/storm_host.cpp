// The program exactly as main() runs it, with a watch on the game's state:
// a timer checks the game window's fields every few milliseconds while the
// event loop runs, and once more when it has ended. Each broken invariant is
// told on stderr ("storm_host: invariant broken: ..."); the last line on
// stdout says how many checks were made, and in how many of them the game
// was seen with answer clicks counted, with flashes made, and over.
//
// The invariants: the sequence texts str1 and str2 hold only square
// numbers, colour letters and "|"; kk, the answer clicks of the round,
// never exceeds numb2, the round's flashes; jj, the next flash, stays
// within 1 to numb2 + 1; last is a square number or 10.

#include <cstdint>
#include <cstdio>
#include <string>

#include "app/Startup.h"
#include "framework/Framework.h"
#include "game/Window1.h"

namespace {

long checks = 0;
long broken = 0;
long clicked = 0;
long flashed = 0;
long over = 0;

void Broken(const Window1& game, const std::string& what) {
  // The first few tell what broke; the count tells the rest.
  if (++broken > 20) return;
  std::fprintf(stderr,
               "storm_host: invariant broken: %s (str1 \"%s\", str2 \"%s\", jj %d, kk %d, "
               "numb2 %d, last %d)\n",
               what.c_str(), game.str1.c_str(), game.str2.c_str(), game.jj, game.kk, game.numb2,
               game.last);
}

bool SequenceText(const std::string& text) {
  return text.find_first_not_of("012345678rgby|") == std::string::npos;
}

void Check() {
  // Only a window that start-up has made; asking Window1 for it would make one.
  auto* game = fw::CheckCast<Window1>(fw::GetImplicitWindow("Window1.Window1"));
  if (game == nullptr) return;
  ++checks;
  if (game->kk > 0) ++clicked;
  if (!game->str1.empty()) ++flashed;
  const fw::Label* finalScore = game->Label3();
  if (finalScore != nullptr && finalScore->Visible()) ++over;
  if (!SequenceText(game->str1)) Broken(*game, "str1 holds other characters");
  if (!SequenceText(game->str2)) Broken(*game, "str2 holds other characters");
  if (game->kk > game->numb2) Broken(*game, "kk exceeds numb2");
  if (game->jj < 1 || game->jj > game->numb2 + 1) Broken(*game, "jj outside 1 to numb2 + 1");
  if (game->last != 10 && (game->last < 0 || game->last > 8)) {
    Broken(*game, "last is neither a square nor 10");
  }
}

}  // namespace

int main(int argc, char** argv) {
  fw::RuntimeInit(argc, argv);
  Initialize();
  {
    fw::Timer watch;
    watch.SetPeriod(5);
    watch.Action = [](fw::Timer&) { Check(); };
    watch.SetMode(fw::Timer::kMultiple);
    Main();
  }
  Check();
  std::printf(
      "storm_host: %ld checks, %ld broken; seen: clicks counted %ld, flashes %ld, "
      "game over %ld\n",
      checks, broken, clicked, flashed, over);
  std::fflush(stdout);
  Finalize();
  return fw::RuntimeExit();
}
