#pragma once
// Texts of numbered pieces built on two threads and used in their order. The
// calling thread and one helper thread each take the lowest piece nobody has
// taken yet and build its text; the calling thread hands the texts to `use`
// in order, piece 0 first, and builds pieces itself while the next one to use
// is not ready, so that neither thread waits long for the other even when the
// machine is busy and one of them is not running. At most kPiecesAhead texts
// are held at a time, which bounds the memory.

#include <functional>
#include <string>

namespace solvane {

// Four, so that the helper goes on building while the calling thread writes
// two texts in a row; two left it waiting for a third of its time.
inline constexpr int kPiecesAhead = 4;

// Builds the text of piece `piece` into `text`, which arrives empty. Called on
// either thread, for different pieces at the same time.
using BuildPiece = std::function<void(int piece, std::string& text)>;
// Takes the text of the next piece; called on the calling thread only.
using UsePiece = std::function<void(const std::string& text)>;
// Readies the use of the pieces on the calling thread while the helper thread
// already builds the first ones; false when they cannot be used.
using PreparePieces = std::function<bool()>;

// Builds pieces 0 to count - 1 and, once `prepare` has returned true, uses
// each in order. Without a helper thread (none could be started) the calling
// thread does it all. False, with no piece used and the helper stopped and
// joined, when `prepare` returns false.
bool BuildPiecesInOrder(int count, const BuildPiece& build, const PreparePieces& prepare,
                        const UsePiece& use);

}  // namespace solvane
