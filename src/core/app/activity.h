#pragma once
// The activity code: what the one folder walker `Search` is busy with, kept in its tag.
// Whoever starts a walk sets it; every loop stops as soon as it is no longer its own.
namespace kefelo::app {

enum class Activity {
    Idle,
    Cleaning,
    FileSearch,
    ContainerSearch,
};

}  // namespace kefelo::app
