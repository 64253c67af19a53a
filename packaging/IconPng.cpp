// Draws the program's icon at one size of the desktop's icon theme, from one picture of icon 128,
// scaled without smoothing so that its pixels stay as sharp as in the 16-colour original.
//   tarvel_icon_png SOURCE.xpm OUTPUT.png SIZE
#include <QImage>
#include <QString>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s SOURCE.xpm OUTPUT.png SIZE\n", argv[0]);
        return 2;
    }
    const QImage source(QString::fromLocal8Bit(argv[1]));
    const int size = std::atoi(argv[3]);
    if (source.isNull() || size <= 0) {
        std::fprintf(stderr, "%s: cannot read %s or bad size %s\n", argv[0], argv[1], argv[3]);
        return 1;
    }
    const QImage icon = source.convertToFormat(QImage::Format_ARGB32)
                            .scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!icon.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
