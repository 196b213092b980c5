#pragma once
// The catch at the base and in the scene: the caught-fish window and the
// evaluation.

namespace klev {

class Game;

// Refills the caught-fish window `Trofei` from the keep-net, shows the last
// kept fish (the newest after a landing) and shows the window.
void ShowCaughtFish(Game& game);
// The evaluation behind `Fish_Ocenka.Label3`: every kept fish that beats its
// species' records-book entry enters the book; fish of at least half their
// species' largest weight (rare species at any weight) are sold at the
// species price. Messages are appended to `Fish_Ocenka.List1`, ending with
// "Оценка завершена".
void EvaluateCatch(Game& game);

}  // namespace klev
