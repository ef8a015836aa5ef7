#include "banner.h"
namespace artgen {
QImage banner() { QImage i(1200,45,QImage::Format_RGB888); i.fill(Qt::black); return i; }
}
