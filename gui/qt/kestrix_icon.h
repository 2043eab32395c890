#pragma once
// The program's icon: a small loaded plate on a mesh, drawn at run time.

#include <QIcon>

namespace kestrix {

QIcon KestrixIcon();

}  // namespace kestrix
