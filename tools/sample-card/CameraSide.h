#pragma once

// The two cameras of the dash-cam; each moment is recorded by both.
enum class CameraSide { front, rear };
