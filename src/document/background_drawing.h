// Draws a construction's picture on a worker thread, so that the window
// keeps answering while a picture that follows the mouse is drawn. A request
// made while one is being drawn waits, replacing any that waited before it
// (the latest wins, no queue builds up); each finished picture comes back on
// the owner's thread with the number of its request.
#pragma once

#include <QImage>
#include <QObject>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>

#include "document/construction.h"

class BackgroundDrawing : public QObject {
    Q_OBJECT
  public:
    explicit BackgroundDrawing(QObject* parent = nullptr);
    // Waits for the picture being drawn.
    ~BackgroundDrawing() override;

    // The request's number, counting from 1.
    std::uint64_t request(Construction construction);
    // Forgets a request that waits.
    void drop();

  signals:
    void drawn(const QImage& picture, std::uint64_t request);

  private:
    void work();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Construction> waiting_;
    std::uint64_t requests_ = 0;
    bool stopping_ = false;
    std::thread worker_;
};
