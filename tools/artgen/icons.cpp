#include "icons.h"
namespace artgen {
QImage applicationIcon(int scale) { QImage i(16*scale,16*scale,QImage::Format_ARGB32); i.fill(Qt::transparent); return i; }
QImage previewIcon(int scale) { return applicationIcon(scale); }
}
