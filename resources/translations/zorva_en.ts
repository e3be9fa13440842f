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
        <source>main.pause</source>
        <translation>Pause</translation>
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
        <source>list.cut_short</source>
        <translation>Cut short: this recording ends without its index, as when the camera loses power. %1 records of its drive were recovered.</translation>
    </message>
    <message>
        <source>side.map</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>map.no_position</source>
        <translation>No GPS position</translation>
    </message>
    <message>
        <source>msg.saved</source>
        <translation>Settings have been saved.</translation>
    </message>
    <message>
        <source>msg.file_open_fail</source>
        <translation>The file could not be opened.</translation>
    </message>
    <message>
        <source>msg.media_play_fail</source>
        <translation>This recording could not be played. The file may be damaged.</translation>
    </message>
    <message>
        <source>msg.write_protected_disk</source>
        <translation>The SD card is write-protected. Release the lock switch and try again.</translation>
    </message>
    <message>
        <source>msg.cannot_format</source>
        <translation>The SD card could not be formatted.</translation>
    </message>
    <message>
        <source>msg.format_complete</source>
        <translation>Format completed.</translation>
    </message>
    <message>
        <source>msg.gsensor_outofrange_fmt</source>
        <translation>Enter a value between %.2f and %.2f.</translation>
    </message>
    <message>
        <source>msg.input_value_invalid_format</source>
        <translation>The value entered is not a valid number.</translation>
    </message>
    <message>
        <source>msg.memconfig_warning</source>
        <translation>Changing the allocation formats the SD card in the camera. Back up your recordings first.</translation>
    </message>
    <message>
        <source>msg.sdcard_ratio_too_low</source>
        <translation>Each recording share must be at least 20%.</translation>
    </message>
    <message>
        <source>msg.use_external_power_10v</source>
        <translation>Select this only when an external battery pack is connected (cut-off at 10V).</translation>
    </message>
    <message>
        <source>msg.capture_save_fail</source>
        <translation>The picture could not be saved.</translation>
    </message>
    <message>
        <source>msg.config_damaged</source>
        <translation>The settings file on the card fails its check and may be damaged. Look over every page before you save.</translation>
    </message>
    <message>
        <source>msg.backup_failed</source>
        <translation>The settings file on the card could not be copied to the backups folder, so nothing was saved.</translation>
    </message>
    <message>
        <source>msg.backup_kept</source>
        <translation>The previous settings were kept in:</translation>
    </message>
    <message>
        <source>msg.changed_settings</source>
        <translation>Changed settings:</translation>
    </message>
    <message>
        <source>msg.no_changed_settings</source>
        <translation>No setting was changed.</translation>
    </message>
    <message>
        <source>msg.more_changed_settings_fmt</source>
        <translation>… and %d more</translation>
    </message>
    <message>
        <source>setting.diskutil</source>
        <translation>Disks</translation>
    </message>
    <message>
        <source>time.filesave</source>
        <translation>The time setting has been saved to the SD card. Insert the card into the camera to apply it.</translation>
    </message>
    <message>
        <source>msg.format_question</source>
        <translation>Format “%1” (%2, %3)?</translation>
    </message>
    <message>
        <source>msg.format_question_detail</source>
        <translation>Every recording on the card will be erased. Its settings (config.bin) are kept and put back on the card after the format.</translation>
    </message>
    <message>
        <source>msg.format_refused_system_disk</source>
        <translation>This disk holds the computer's own system folders and is never formatted.</translation>
    </message>
    <message>
        <source>msg.format_refused_not_removable</source>
        <translation>Only removable media in a USB card reader can be formatted.</translation>
    </message>
    <message>
        <source>msg.format_settings_not_kept</source>
        <translation>The card's settings file could not be saved first, so the card was not formatted:</translation>
    </message>
    <message>
        <source>msg.format_auth_dismissed</source>
        <translation>The password prompt was closed, so the card was not formatted.</translation>
    </message>
    <message>
        <source>msg.format_not_authorized</source>
        <translation>Administrator rights to format the card were not granted.</translation>
    </message>
    <message>
        <source>msg.format_settings_kept_at</source>
        <translation>The card's settings were saved in:</translation>
    </message>
    <message>
        <source>msg.time_file_fail</source>
        <translation>The clock file could not be written.</translation>
    </message>
    <message>
        <source>time.clock_agrees</source>
        <translation>The camera's clock agrees with GPS time to within %1 s (%2)</translation>
    </message>
    <message>
        <source>time.clock_ahead</source>
        <translation>The camera's clock is %1 ahead of GPS time (%2)</translation>
    </message>
    <message>
        <source>time.clock_behind</source>
        <translation>The camera's clock is %1 behind GPS time (%2)</translation>
    </message>
    <message>
        <source>time.clock_no_fix</source>
        <translation>No recording on the card holds a GPS fix, so the camera's clock cannot be checked against GPS time.</translation>
    </message>
    <message>
        <source>time.zone_differs</source>
        <translation>The card's time zone (%1) differs from this computer's (%2).</translation>
    </message>
    <message>
        <source>time.unit_days</source>
        <translation>%d d</translation>
    </message>
    <message>
        <source>time.unit_hours</source>
        <translation>%d h</translation>
    </message>
    <message>
        <source>time.unit_minutes</source>
        <translation>%d min</translation>
    </message>
    <message>
        <source>time.unit_seconds</source>
        <translation>%d s</translation>
    </message>
    <message>
        <source>setting.window_title</source>
        <translation>Dash Cam Settings</translation>
    </message>
    <message>
        <source>setting.video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>setting.basic</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>setting.gps</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>setting.aux</source>
        <translation>Additional</translation>
    </message>
    <message>
        <source>setting.motion</source>
        <translation>Motion Detection</translation>
    </message>
    <message>
        <source>setting.audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>setting.driveinfoview</source>
        <translation>Drive Info</translation>
    </message>
    <message>
        <source>setting.information</source>
        <translation>Driving Records</translation>
    </message>
    <message>
        <source>setting.sdcardformat</source>
        <translation>Format SD Card</translation>
    </message>
    <message>
        <source>setting.initialize</source>
        <translation>Reset to Defaults</translation>
    </message>
    <message>
        <source>setting.basic.segment_display</source>
        <translation>Segment Display</translation>
    </message>
    <message>
        <source>setting.basic.segment_display1</source>
        <translation>Mode 1</translation>
    </message>
    <message>
        <source>setting.basic.segment_display2</source>
        <translation>Mode 2</translation>
    </message>
    <message>
        <source>setting.basic.segment_display3</source>
        <translation>Mode 3</translation>
    </message>
    <message>
        <source>setting.basic.segment_display4</source>
        <translation>Mode 4</translation>
    </message>
    <message>
        <source>setting.basic.auto_parking_waiting_time</source>
        <translation>Auto Parking Mode Delay</translation>
    </message>
    <message>
        <source>setting.basic.driving_impact_sensitivity</source>
        <translation>Driving Impact Sensitivity</translation>
    </message>
    <message>
        <source>setting.basic.parking_impact_sensitivity</source>
        <translation>Parking Impact Sensitivity</translation>
    </message>
    <message>
        <source>setting.basic.enable_gsensor</source>
        <translation>Use G-Sensor</translation>
    </message>
    <message>
        <source>setting.basic.customize</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>setting.basic.others</source>
        <translation>Others</translation>
    </message>
    <message>
        <source>setting.basic.enable_front_security_led</source>
        <translation>Front Security LED</translation>
    </message>
    <message>
        <source>setting.basic.enable_rear_security_led</source>
        <translation>Rear Security LED</translation>
    </message>
    <message>
        <source>setting.basic.videoout</source>
        <translation>Video Output</translation>
    </message>
    <message>
        <source>setting.basic.car_number_input</source>
        <translation>Car Number</translation>
    </message>
    <message>
        <source>setting.basic.cutoff_voltage_setting</source>
        <translation>Low-Voltage Cut-off</translation>
    </message>
    <message>
        <source>setting.basic.set_voltage</source>
        <translation>Cut-off Voltage</translation>
    </message>
    <message>
        <source>setting.basic.set_timer</source>
        <translation>Cut-off Timer</translation>
    </message>
    <message>
        <source>setting.basic.power_guide</source>
        <translation>Parking recording stops when the battery drops below the set voltage or the timer runs out.</translation>
    </message>
    <message>
        <source>setting.basic.use_external_power</source>
        <translation>Use External Power</translation>
    </message>
    <message>
        <source>setting.basic.cable_voltage_loss</source>
        <translation>Cable Voltage Loss Correction</translation>
    </message>
    <message>
        <source>setting.basic.pre_event</source>
        <translation>Pre-Event Recording</translation>
    </message>
    <message>
        <source>setting.basic.pre_event_use</source>
        <translation>On</translation>
    </message>
    <message>
        <source>setting.basic.pre_event_notuse</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>setting.basic.external_rear_camera_settings</source>
        <translation>External Rear Camera</translation>
    </message>
    <message>
        <source>setting.basic.external_rear_camera_use</source>
        <translation>Use External Rear Camera</translation>
    </message>
    <message>
        <source>setting.basic.external_rear_camera_led_use_event</source>
        <translation>LED on Event Recording</translation>
    </message>
    <message>
        <source>setting.basic.external_rear_camera_led_use_motion</source>
        <translation>LED on Motion Recording</translation>
    </message>
    <message>
        <source>setting.video.front_quality</source>
        <translation>Front Video Quality</translation>
    </message>
    <message>
        <source>setting.video.rear_quality</source>
        <translation>Rear Video Quality</translation>
    </message>
    <message>
        <source>setting.video.quality_normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>setting.video.quality_high</source>
        <translation>High</translation>
    </message>
    <message>
        <source>setting.video.quality_highest</source>
        <translation>Highest</translation>
    </message>
    <message>
        <source>setting.video.front_setting</source>
        <translation>Front Camera</translation>
    </message>
    <message>
        <source>setting.video.rear_setting</source>
        <translation>Rear Camera</translation>
    </message>
    <message>
        <source>setting.video.rear_reversal</source>
        <translation>Flip Rear Image</translation>
    </message>
    <message>
        <source>setting.video.rear_fps</source>
        <translation>Rear Frame Rate</translation>
    </message>
    <message>
        <source>setting.video.front_tinting</source>
        <translation>Front CPL Filter / Tint</translation>
    </message>
    <message>
        <source>setting.video.rear_tinting</source>
        <translation>Rear Window Tint</translation>
    </message>
    <message>
        <source>setting.video.cpl_filter_use</source>
        <translation>Raise the brightness when a CPL filter is fitted.</translation>
    </message>
    <message>
        <source>setting.gps.weekly_alarm</source>
        <translation>No-Driving Day Alarm</translation>
    </message>
    <message>
        <source>setting.gps.speed_display</source>
        <translation>Speed Unit</translation>
    </message>
    <message>
        <source>setting.gps.timezone_setting</source>
        <translation>Time Zone</translation>
    </message>
    <message>
        <source>setting.gps.osd_speed_display</source>
        <translation>Speed on Video</translation>
    </message>
    <message>
        <source>setting.gps.driving_route_info_saving_interval</source>
        <translation>Route Saving Interval</translation>
    </message>
    <message>
        <source>setting.gps.gps_on_parking_mode</source>
        <translation>GPS in Parking Mode</translation>
    </message>
    <message>
        <source>setting.gps.gps_guide1</source>
        <translation>The camera reminds you of the no-driving day on the chosen weekday.</translation>
    </message>
    <message>
        <source>setting.gps.gps_speed_guide1</source>
        <translation>Stamps the GPS speed on the recorded video.</translation>
    </message>
    <message>
        <source>setting.gps.gps_time_guide1</source>
        <translation>The clock is set from GPS time in the chosen time zone.</translation>
    </message>
    <message>
        <source>setting.gps.gps_guide2</source>
        <translation>Turning GPS off in parking mode saves power.</translation>
    </message>
    <message>
        <source>setting.motion.sensitivity</source>
        <translation>Motion Sensitivity</translation>
    </message>
    <message>
        <source>setting.motion.block</source>
        <translation>Detection Area</translation>
    </message>
    <message>
        <source>setting.motion.block_front</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>setting.motion.block_rear</source>
        <translation>Rear</translation>
    </message>
    <message>
        <source>setting.aux.front_sensitivity</source>
        <translation>Front Camera</translation>
    </message>
    <message>
        <source>setting.aux.rear_sensitivity</source>
        <translation>Rear Camera</translation>
    </message>
    <message>
        <source>setting.aux.mic_volume</source>
        <translation>Microphone Volume</translation>
    </message>
    <message>
        <source>setting.aux.speaker_volume</source>
        <translation>Speaker Volume</translation>
    </message>
    <message>
        <source>setting.aux.volume_low</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>setting.aux.volume_up</source>
        <translation>High</translation>
    </message>
    <message>
        <source>setting.aux.enable_hourly_alarm</source>
        <translation>Hourly Time Announcement</translation>
    </message>
    <message>
        <source>setting.aux.enable_voice_guidance</source>
        <translation>Voice Guidance Language</translation>
    </message>
    <message>
        <source>setting.aux.sdcard_capacity</source>
        <translation>SD Card Allocation</translation>
    </message>
    <message>
        <source>setting.aux.always</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>setting.aux.motion</source>
        <translation>Motion</translation>
    </message>
    <message>
        <source>setting.aux.motion_sense_setting</source>
        <translation>Motion Detection</translation>
    </message>
    <message>
        <source>setting.aux.night_ae_setting</source>
        <translation>Night Exposure</translation>
    </message>
    <message>
        <source>setting.aux.low</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>setting.aux.medium_sedan</source>
        <translation>Medium (Sedan)</translation>
    </message>
    <message>
        <source>setting.aux.high_suv</source>
        <translation>High (SUV)</translation>
    </message>
    <message>
        <source>setting.aux.night_irfilter_setting</source>
        <translation>Night IR Filter</translation>
    </message>
    <message>
        <source>setting.aux.lcd_auto_off</source>
        <translation>LCD Auto Off</translation>
    </message>
    <message>
        <source>setting.aux.country_ac_power_setting</source>
        <translation>Mains Frequency</translation>
    </message>
    <message>
        <source>setting.aux.lcd_brightness</source>
        <translation>LCD Brightness</translation>
    </message>
    <message>
        <source>setting.aux.lcd_brightness_night</source>
        <translation>Night LCD Dimming</translation>
    </message>
    <message>
        <source>setting.aux.parking_rear_setting</source>
        <translation>Rear Camera in Parking Mode</translation>
    </message>
    <message>
        <source>setting.aux.lcd_screensaver</source>
        <translation>Screen Saver</translation>
    </message>
    <message>
        <source>setting.aux.parking_monitor_notice</source>
        <translation>Parking Monitor Notice</translation>
    </message>
    <message>
        <source>setting.aux.recording_length</source>
        <translation>Recording Length</translation>
    </message>
    <message>
        <source>setting.aux.pip_position</source>
        <translation>PIP Position</translation>
    </message>
    <message>
        <source>setting.aux.wifi_settings</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>setting.aux.ssid_length</source>
        <translation>The network name must be at least 5 characters.</translation>
    </message>
    <message>
        <source>setting.aux.ssid_invalid</source>
        <translation>The network name contains characters that are not allowed.</translation>
    </message>
    <message>
        <source>setting.aux.password_length</source>
        <translation>The password must be at least 8 characters.</translation>
    </message>
    <message>
        <source>setting.aux.password_invalid</source>
        <translation>The password contains characters that are not allowed.</translation>
    </message>
    <message>
        <source>setting.aux.auto_format</source>
        <translation>Auto Format Reminder</translation>
    </message>
    <message>
        <source>setting.aux.4week</source>
        <translation>4 Weeks</translation>
    </message>
    <message>
        <source>setting.aux.8week</source>
        <translation>8 Weeks</translation>
    </message>
    <message>
        <source>setting.aux.16week</source>
        <translation>16 Weeks</translation>
    </message>
    <message>
        <source>setting.aux.32week</source>
        <translation>32 Weeks</translation>
    </message>
    <message>
        <source>setting.format.allocation_unit_size</source>
        <translation>Allocation Unit Size</translation>
    </message>
    <message>
        <source>setting.format.filesystem</source>
        <translation>File System</translation>
    </message>
    <message>
        <source>setting.format.format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>setting.flashdata.index</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>setting.flashdata.seq</source>
        <translation>Seq.</translation>
    </message>
    <message>
        <source>setting.flashdata.date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>setting.flashdata.time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>setting.flashdata.yoil</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>setting.flashdata.lat</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>setting.flashdata.lon</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>setting.flashdata.driving_distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>setting.flashdata.cur_speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>setting.flashdata.max_speed</source>
        <translation>Max Speed</translation>
    </message>
    <message>
        <source>setting.flashdata.value</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>setting.flashdata.battery</source>
        <translation>Battery</translation>
    </message>
    <message>
        <source>setting.flashdata.warning</source>
        <translation>No driving record file was found on the SD card.</translation>
    </message>
    <message>
        <source>today</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>use</source>
        <translation>On</translation>
    </message>
    <message>
        <source>unuse</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>on</source>
        <translation>On</translation>
    </message>
    <message>
        <source>off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>none</source>
        <translation>None</translation>
    </message>
    <message>
        <source>auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>customize</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>externpower</source>
        <translation>External Power</translation>
    </message>
    <message>
        <source>insensitive</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>sensitive</source>
        <translation>High</translation>
    </message>
    <message>
        <source>brightness</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>nSecond_fmt</source>
        <translation>%d sec</translation>
    </message>
    <message>
        <source>nMinute_fmt</source>
        <translation>%d min</translation>
    </message>
    <message>
        <source>nHour_fmt</source>
        <translation>%d hours</translation>
    </message>
    <message>
        <source>5min</source>
        <translation>5 min</translation>
    </message>
    <message>
        <source>3min</source>
        <translation>3 min</translation>
    </message>
    <message>
        <source>30fps</source>
        <translation>30 fps</translation>
    </message>
    <message>
        <source>25fps</source>
        <translation>25 fps</translation>
    </message>
    <message>
        <source>15fps</source>
        <translation>15 fps</translation>
    </message>
    <message>
        <source>cpl_use</source>
        <translation>CPL Filter</translation>
    </message>
    <message>
        <source>cpl_unuse</source>
        <translation>No CPL Filter</translation>
    </message>
    <message>
        <source>light_tinting</source>
        <translation>Light Tint</translation>
    </message>
    <message>
        <source>dark_tinting</source>
        <translation>Dark Tint</translation>
    </message>
    <message>
        <source>summerTime</source>
        <translation>Daylight Saving Time</translation>
    </message>
    <message>
        <source>mon</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>tue</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>wed</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>thu</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>fri</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>sat</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korean</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>French</source>
        <translation>French</translation>
    </message>
    <message>
        <source>Spanish.Europe</source>
        <translation>Spanish (Europe)</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabic</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thai</translation>
    </message>
    <message>
        <source>BahasaIndonesia</source>
        <translation>Bahasa Indonesia</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamese</translation>
    </message>
    <message>
        <source>Mongolian</source>
        <translation>Mongolian</translation>
    </message>
    <message>
        <source>Spanish.SouthAmerica</source>
        <translation>Spanish (Latin America)</translation>
    </message>
    <message>
        <source>German</source>
        <translation>German</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turkish</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Cantonese</source>
        <translation>Cantonese</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Czech</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portuguese</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>Malay</translation>
    </message>
    <message>
        <source>setting.aux.ssid</source>
        <translation>Network Name (SSID)</translation>
    </message>
    <message>
        <source>setting.aux.password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>setting.aux.channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>setting.flashdata.record_count_one</source>
        <translation>1 record</translation>
    </message>
    <message>
        <source>setting.flashdata.record_count_fmt</source>
        <translation>%d records</translation>
    </message>
    <message>
        <source>msg.export_fail</source>
        <translation>The driving records could not be written to this file.</translation>
    </message>
</context>
</TS>
