#!/usr/bin/env bash
# Installs every Debian 12 package Quorvex needs to build, run and test. Run as root (or through sudo).
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends \
    build-essential cmake ninja-build pkg-config \
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-qpa-plugins libqt6svg6 \
    qt6-multimedia-dev gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad \
    gstreamer1.0-plugins-ugly gstreamer1.0-libav ffmpeg \
    libexpat1-dev zlib1g-dev \
    libsdl2-dev \
    libxrandr-dev \
    xserver-xorg-core \
    xserver-xorg-video-dummy \
    mame \
    xvfb xauth imagemagick fonts-dejavu-core \
    dpkg-dev file desktop-file-utils appstream
