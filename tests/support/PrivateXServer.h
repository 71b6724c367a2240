#pragma once

#include <string>
#include <sys/types.h>

// An Xvfb of its own with one 1280 x 720 screen of the given depth, for as
// long as the object lives: a display unlike the one the tests run on.
class PrivateXServer {
  public:
    explicit PrivateXServer(int depth);
    ~PrivateXServer();
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    // Whether the server accepts connections.
    bool ready() const { return serverPid > 0; }
    // The display name, ":N".
    const std::string& display() const { return name; }

  private:
    bool start(int depth);
    void stop();

    pid_t serverPid = -1;
    std::string name;
};

// Points DISPLAY at another display for as long as the object lives.
class DisplayOverride {
  public:
    explicit DisplayOverride(const std::string& display);
    ~DisplayOverride();
    DisplayOverride(const DisplayOverride&) = delete;
    DisplayOverride& operator=(const DisplayOverride&) = delete;

  private:
    bool hadDisplay = false;
    std::string previous;
};
