// The least a Qt widget program pays on this machine for the animation of a roll: a window with a
// coloured box holding five opaque 32 x 32 pictures that all change on each tick of a 10 ms timer,
// 30 ticks a roll, as the dice of a roll do with the default options (the stamp frames and the long
// length: Timer1 ticks every 10 ms and the long length is 30 ticks). No game code takes part. It
// rolls ROLLS times (default 60), 300 ms apart, after one roll that is not counted, and prints
// the median CPU per roll, in milliseconds, of itself and, when XPID names the X server's
// process, of the X server: "PROGRAM X_SERVER" on one line. MODE says what a tick does:
//   ticks     nothing: the cost of waking up 30 times
//   pictures  the five pictures change and Qt repaints them (what the game does)
// It counts the pictures' repaints of each counted roll: five a tick with MODE=pictures, none with
// MODE=ticks. A roll that painted otherwise (a window never shown, ticks merged, a repaint that is
// not the animation's) ends the program with a message and exit status 1, and no figures.
// Run by bench/frame_floor.sh on the same virtual display as bench/roll.sh.
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kTicks = 30;
constexpr int kTickMs = 10;
constexpr int kPauseMs = 300;

double ownCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// CPU time of every thread of the process named by XPID, from their scheduler statistics; 0
// without one.
double xServerCpuMs() {
    const char* pid = std::getenv("XPID");
    if (!pid) return 0;
    std::error_code error;
    unsigned long long total = 0;
    for (const auto& task :
         std::filesystem::directory_iterator("/proc/" + std::string(pid) + "/task", error)) {
        FILE* f = std::fopen((task.path() / "schedstat").c_str(), "r");
        if (!f) continue;
        unsigned long long ns = 0;
        if (std::fscanf(f, "%llu", &ns) == 1) total += ns;
        std::fclose(f);
    }
    return total / 1e6;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Repaints of the pictures since the roll began.
int paints = 0;

class Picture : public QWidget {
  public:
    Picture(QWidget* parent, const QPixmap* frames) : QWidget(parent), frames_(frames) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void show(int frame) {
        frame_ = frame;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        ++paints;
        QPainter(this).drawPixmap(0, 0, frames_[frame_]);
    }

  private:
    const QPixmap* frames_;
    int frame_ = 0;
};

QPixmap frame(QColor face) {
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(face);
    QPainter painter(&image);
    painter.setBrush(Qt::black);
    painter.drawEllipse(8, 8, 16, 16);
    return QPixmap::fromImage(image);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool pictures = std::string(std::getenv("MODE") ? std::getenv("MODE") : "") != "ticks";
    const int rolls = std::max(1, std::atoi(std::getenv("ROLLS") ? std::getenv("ROLLS") : "60"));
    const QPixmap frames[2] = {frame(Qt::white), frame(Qt::red)};

    QWidget window;
    window.resize(600, 400);
    QWidget box(&window);
    box.setGeometry(50, 50, 250, 60);
    box.setAutoFillBackground(true);
    QPalette palette = box.palette();
    palette.setColor(QPalette::Window, Qt::darkGreen);
    box.setPalette(palette);
    std::vector<Picture*> dice;
    for (int i = 0; i < 5; ++i) {
        dice.push_back(new Picture(&box, frames));
        dice.back()->setGeometry(10 + i * 40, 10, 32, 32);
    }
    window.show();

    QTimer tick, pause;
    tick.setTimerType(Qt::PreciseTimer);
    pause.setSingleShot(true);
    int ticks = 0, rolled = 0;
    double cpu0 = 0, x0 = 0;
    std::vector<double> cpu, x;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        if (pictures)
            for (Picture* d : dice) d->show(ticks % 2);
        if (++ticks < kTicks) return;
        tick.stop();
        pause.start(kPauseMs);
    });
    QObject::connect(&pause, &QTimer::timeout, [&] {
        if (rolled > 0) {
            cpu.push_back(ownCpuMs() - cpu0);
            x.push_back(xServerCpuMs() - x0);
            const int expected = pictures ? kTicks * static_cast<int>(dice.size()) : 0;
            if (paints != expected) {
                std::fprintf(stderr, "roll %d: %d repaints of the pictures instead of %d\n", rolled,
                             paints, expected);
                app.exit(1);
                return;
            }
        }
        if (rolled++ == rolls) {
            std::printf("%.3f %.3f\n", median(cpu), median(x));
            app.quit();
            return;
        }
        ticks = 0;
        paints = 0;
        cpu0 = ownCpuMs();
        x0 = xServerCpuMs();
        tick.start(kTickMs);
    });
    pause.start(1000);
    return app.exec();
}
