<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>InfoPlist</name>
    <message>
        <source>filelist.mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>filelist.date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>filelist.time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>filelist.file</source>
        <translation>File</translation>
    </message>
    <message>
        <source>filelist.choose_folder</source>
        <translation>Choose the folder of recordings</translation>
    </message>
    <message>
        <source>media.always</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>media.motion</source>
        <translation>Motion</translation>
    </message>
    <message>
        <source>media.event</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>media.unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>main.subtitle</source>
        <translation>Dash-cam Viewer</translation>
    </message>
    <message>
        <source>main.open_folder</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <source>main.settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>main.time_setup</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>main.fullscreen</source>
        <translation>Full Screen</translation>
    </message>
    <message>
        <source>main.close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>main.play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>main.jump_backward</source>
        <translation>Back 10 Seconds</translation>
    </message>
    <message>
        <source>main.jump_forward</source>
        <translation>Forward 10 Seconds</translation>
    </message>
    <message>
        <source>main.swap</source>
        <translation>Swap Front and Rear</translation>
    </message>
    <message>
        <source>main.speed_down</source>
        <translation>Slower</translation>
    </message>
    <message>
        <source>main.speed</source>
        <translation>Playback Speed</translation>
    </message>
    <message>
        <source>main.speed_up</source>
        <translation>Faster</translation>
    </message>
    <message>
        <source>main.zoom_out</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>main.zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>main.zoom_in</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>main.capture</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>main.print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>main.audio</source>
        <translation>Sound Source</translation>
    </message>
    <message>
        <source>main.volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>telemetry.gsensor_x</source>
        <translation>G-Sensor X</translation>
    </message>
    <message>
        <source>telemetry.gsensor_y</source>
        <translation>G-Sensor Y</translation>
    </message>
    <message>
        <source>telemetry.gsensor_z</source>
        <translation>G-Sensor Z</translation>
    </message>
    <message>
        <source>telemetry.speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>telemetry.hdop</source>
        <translation>HDOP</translation>
    </message>
    <message>
        <source>telemetry.satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>side.list</source>
        <translation>Recordings</translation>
    </message>
    <message>
        <source>side.map</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>map.no_position</source>
        <translation>No GPS position</translation>
    </message>
</context>
</TS>
