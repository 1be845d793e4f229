#include "document/background_drawing.h"

#include "document/raster_surface.h"

BackgroundDrawing::BackgroundDrawing(QObject* parent)
    : QObject(parent), worker_([this] { work(); }) {}

BackgroundDrawing::~BackgroundDrawing() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    worker_.join();
}

std::uint64_t BackgroundDrawing::request(Construction construction) {
    std::uint64_t number = 0;
    {
        const std::lock_guard lock(mutex_);
        waiting_ = std::move(construction);
        number = ++requests_;
    }
    wake_.notify_one();
    return number;
}

void BackgroundDrawing::drop() {
    const std::lock_guard lock(mutex_);
    waiting_.reset();
}

void BackgroundDrawing::work() {
    for (;;) {
        Construction construction;
        std::uint64_t number = 0;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || waiting_; });
            if (stopping_) return;
            construction = std::move(*waiting_);
            waiting_.reset();
            number = requests_;
        }
        // A picture that cannot be drawn (no memory) is not shown; the
        // final one is drawn on the window's thread anyway.
        try {
            RasterSurface surface;
            if (!surface.createPicture(construction.field.width(), construction.field.height()))
                continue;
            replay(construction, surface);
            const QImage picture = surface.image();
            QMetaObject::invokeMethod(
                this, [this, picture, number] { emit drawn(picture, number); },
                Qt::QueuedConnection);
        } catch (...) {
        }
    }
}
