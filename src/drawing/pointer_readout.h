#pragma once

#include "drawing/board.h"

namespace norvexa {

// The pointer at (x, y) on the board, in board units. Once a section is drawn the
// read-out Label28 shows the position in whole cm from the top-left corner of corpo1,
// «X=  10 , Y=  5», each reading held within ±1e9 cm. The bar list of the first drawn layer (1 to 4) whose depth line
// lies strictly within 50 units of the pointer is shown beside its circle; none in reach hides them all.
void pointer_over_board(Board& board, float x, float y);

// The pointer off the board: the read-out goes back to "(X=0,Y=0)" and the bar lists hide.
void pointer_off_board(Board& board);

}  // namespace norvexa
