<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>InfoPlist</name>
    <message>
        <source>filelist.mode</source>
        <translation>모드</translation>
    </message>
    <message>
        <source>filelist.date</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>filelist.time</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>filelist.file</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>filelist.choose_folder</source>
        <translation>녹화 폴더 선택</translation>
    </message>
    <message>
        <source>media.always</source>
        <translation>상시</translation>
    </message>
    <message>
        <source>media.motion</source>
        <translation>모션</translation>
    </message>
    <message>
        <source>media.event</source>
        <translation>이벤트</translation>
    </message>
    <message>
        <source>media.unknown</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>main.subtitle</source>
        <translation>블랙박스 뷰어</translation>
    </message>
    <message>
        <source>main.open_folder</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>main.settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>main.time_setup</source>
        <translation>시간 설정</translation>
    </message>
    <message>
        <source>main.fullscreen</source>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>main.close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>main.play</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>main.pause</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>main.jump_backward</source>
        <translation>10초 뒤로</translation>
    </message>
    <message>
        <source>main.jump_forward</source>
        <translation>10초 앞으로</translation>
    </message>
    <message>
        <source>main.swap</source>
        <translation>전방/후방 전환</translation>
    </message>
    <message>
        <source>main.speed_down</source>
        <translation>느리게</translation>
    </message>
    <message>
        <source>main.speed</source>
        <translation>재생 속도</translation>
    </message>
    <message>
        <source>main.speed_up</source>
        <translation>빠르게</translation>
    </message>
    <message>
        <source>main.zoom_out</source>
        <translation>축소</translation>
    </message>
    <message>
        <source>main.zoom</source>
        <translation>확대/축소</translation>
    </message>
    <message>
        <source>main.zoom_in</source>
        <translation>확대</translation>
    </message>
    <message>
        <source>main.capture</source>
        <translation>캡처</translation>
    </message>
    <message>
        <source>main.print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>main.audio</source>
        <translation>음성 선택</translation>
    </message>
    <message>
        <source>main.volume</source>
        <translation>볼륨</translation>
    </message>
    <message>
        <source>telemetry.gsensor_x</source>
        <translation>G센서 X</translation>
    </message>
    <message>
        <source>telemetry.gsensor_y</source>
        <translation>G센서 Y</translation>
    </message>
    <message>
        <source>telemetry.gsensor_z</source>
        <translation>G센서 Z</translation>
    </message>
    <message>
        <source>telemetry.speed</source>
        <translation>속도</translation>
    </message>
    <message>
        <source>telemetry.hdop</source>
        <translation>HDOP</translation>
    </message>
    <message>
        <source>telemetry.satellites</source>
        <translation>위성 수</translation>
    </message>
    <message>
        <source>side.list</source>
        <translation>녹화 목록</translation>
    </message>
    <message>
        <source>list.cut_short</source>
        <translation>잘린 녹화: 카메라 전원이 끊길 때처럼 인덱스 없이 끝난 파일입니다. 주행 기록 %1개를 복구했습니다.</translation>
    </message>
    <message>
        <source>side.map</source>
        <translation>지도</translation>
    </message>
    <message>
        <source>map.no_position</source>
        <translation>GPS 위치 없음</translation>
    </message>
    <message>
        <source>msg.saved</source>
        <translation>설정이 저장되었습니다.</translation>
    </message>
    <message>
        <source>msg.file_open_fail</source>
        <translation>파일을 열 수 없습니다.</translation>
    </message>
    <message>
        <source>msg.media_play_fail</source>
        <translation>이 영상을 재생할 수 없습니다. 파일이 손상되었을 수 있습니다.</translation>
    </message>
    <message>
        <source>msg.write_protected_disk</source>
        <translation>SD 카드가 쓰기 금지 상태입니다. 잠금 스위치를 해제한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>msg.cannot_format</source>
        <translation>SD 카드를 포맷할 수 없습니다.</translation>
    </message>
    <message>
        <source>msg.format_complete</source>
        <translation>포맷이 완료되었습니다.</translation>
    </message>
    <message>
        <source>msg.gsensor_outofrange_fmt</source>
        <translation>%.2f ~ %.2f 사이의 값을 입력하세요.</translation>
    </message>
    <message>
        <source>msg.input_value_invalid_format</source>
        <translation>입력한 값의 형식이 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>msg.memconfig_warning</source>
        <translation>용량 설정을 변경하면 블랙박스에서 SD 카드가 포맷됩니다. 먼저 영상을 백업하세요.</translation>
    </message>
    <message>
        <source>msg.sdcard_ratio_too_low</source>
        <translation>각 녹화 영역은 20% 이상이어야 합니다.</translation>
    </message>
    <message>
        <source>msg.use_external_power_10v</source>
        <translation>외장 배터리를 연결한 경우에만 선택하세요. (차단 전압 10V)</translation>
    </message>
    <message>
        <source>msg.capture_save_fail</source>
        <translation>사진을 저장하지 못했습니다.</translation>
    </message>
    <message>
        <source>msg.config_damaged</source>
        <translation>카드의 설정 파일이 검사를 통과하지 못해 손상되었을 수 있습니다. 저장하기 전에 모든 페이지를 확인하세요.</translation>
    </message>
    <message>
        <source>msg.backup_failed</source>
        <translation>카드의 설정 파일을 백업 폴더에 복사하지 못해 저장하지 않았습니다.</translation>
    </message>
    <message>
        <source>msg.backup_kept</source>
        <translation>이전 설정은 다음 파일에 보관했습니다:</translation>
    </message>
    <message>
        <source>msg.changed_settings</source>
        <translation>변경된 설정:</translation>
    </message>
    <message>
        <source>msg.no_changed_settings</source>
        <translation>변경된 설정이 없습니다.</translation>
    </message>
    <message>
        <source>msg.more_changed_settings_fmt</source>
        <translation>… 외 %d개</translation>
    </message>
    <message>
        <source>setting.diskutil</source>
        <translation>디스크 관리</translation>
    </message>
    <message>
        <source>time.filesave</source>
        <translation>시간 설정이 SD 카드에 저장되었습니다. 카드를 블랙박스에 넣으면 적용됩니다.</translation>
    </message>
    <message>
        <source>msg.format_question</source>
        <translation>“%1” (%2, %3)을(를) 포맷할까요?</translation>
    </message>
    <message>
        <source>msg.format_question_detail</source>
        <translation>카드의 모든 녹화 영상이 지워집니다. 설정 파일(config.bin)은 보관했다가 포맷 후 카드에 다시 넣습니다.</translation>
    </message>
    <message>
        <source>msg.format_refused_system_disk</source>
        <translation>이 디스크에는 컴퓨터의 시스템 폴더가 있어 포맷하지 않습니다.</translation>
    </message>
    <message>
        <source>msg.format_refused_not_removable</source>
        <translation>USB 카드 리더에 연결된 이동식 저장 장치만 포맷할 수 있습니다.</translation>
    </message>
    <message>
        <source>msg.format_settings_not_kept</source>
        <translation>카드의 설정 파일을 먼저 보관하지 못해 포맷하지 않았습니다:</translation>
    </message>
    <message>
        <source>msg.format_auth_dismissed</source>
        <translation>암호 입력 창이 닫혀 카드를 포맷하지 않았습니다.</translation>
    </message>
    <message>
        <source>msg.format_not_authorized</source>
        <translation>카드를 포맷할 관리자 권한을 얻지 못했습니다.</translation>
    </message>
    <message>
        <source>msg.format_settings_kept_at</source>
        <translation>카드의 설정은 다음 위치에 보관되어 있습니다:</translation>
    </message>
    <message>
        <source>msg.time_file_fail</source>
        <translation>시간 설정 파일을 저장하지 못했습니다.</translation>
    </message>
    <message>
        <source>time.clock_agrees</source>
        <translation>블랙박스 시계가 GPS 시간과 %1초 이내로 일치합니다 (%2)</translation>
    </message>
    <message>
        <source>time.clock_ahead</source>
        <translation>블랙박스 시계가 GPS 시간보다 %1 빠릅니다 (%2)</translation>
    </message>
    <message>
        <source>time.clock_behind</source>
        <translation>블랙박스 시계가 GPS 시간보다 %1 느립니다 (%2)</translation>
    </message>
    <message>
        <source>time.clock_no_fix</source>
        <translation>카드의 녹화 영상에 GPS 수신 정보가 없어 블랙박스 시계를 GPS 시간과 비교할 수 없습니다.</translation>
    </message>
    <message>
        <source>time.zone_differs</source>
        <translation>카드의 시간대(%1)가 이 컴퓨터의 시간대(%2)와 다릅니다.</translation>
    </message>
    <message>
        <source>time.unit_days</source>
        <translation>%d일</translation>
    </message>
    <message>
        <source>time.unit_hours</source>
        <translation>%d시간</translation>
    </message>
    <message>
        <source>time.unit_minutes</source>
        <translation>%d분</translation>
    </message>
    <message>
        <source>time.unit_seconds</source>
        <translation>%d초</translation>
    </message>
    <message>
        <source>setting.window_title</source>
        <translation>블랙박스 환경설정</translation>
    </message>
    <message>
        <source>setting.video</source>
        <translation>영상</translation>
    </message>
    <message>
        <source>setting.basic</source>
        <translation>기본</translation>
    </message>
    <message>
        <source>setting.gps</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>setting.aux</source>
        <translation>부가 기능</translation>
    </message>
    <message>
        <source>setting.motion</source>
        <translation>모션 감지</translation>
    </message>
    <message>
        <source>setting.audio</source>
        <translation>오디오</translation>
    </message>
    <message>
        <source>setting.driveinfoview</source>
        <translation>주행 정보</translation>
    </message>
    <message>
        <source>setting.information</source>
        <translation>주행 기록 정보</translation>
    </message>
    <message>
        <source>setting.sdcardformat</source>
        <translation>SD 카드 포맷</translation>
    </message>
    <message>
        <source>setting.initialize</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>setting.basic.segment_display</source>
        <translation>세그먼트 표시</translation>
    </message>
    <message>
        <source>setting.basic.segment_display1</source>
        <translation>모드 1</translation>
    </message>
    <message>
        <source>setting.basic.segment_display2</source>
        <translation>모드 2</translation>
    </message>
    <message>
        <source>setting.basic.segment_display3</source>
        <translation>모드 3</translation>
    </message>
    <message>
        <source>setting.basic.segment_display4</source>
        <translation>모드 4</translation>
    </message>
    <message>
        <source>setting.basic.auto_parking_waiting_time</source>
        <translation>주차 모드 자동 전환 시간</translation>
    </message>
    <message>
        <source>setting.basic.driving_impact_sensitivity</source>
        <translation>주행 중 충격 감도</translation>
    </message>
    <message>
        <source>setting.basic.parking_impact_sensitivity</source>
        <translation>주차 중 충격 감도</translation>
    </message>
    <message>
        <source>setting.basic.enable_gsensor</source>
        <translation>G센서 사용</translation>
    </message>
    <message>
        <source>setting.basic.customize</source>
        <translation>사용자 설정</translation>
    </message>
    <message>
        <source>setting.basic.others</source>
        <translation>기타</translation>
    </message>
    <message>
        <source>setting.basic.enable_front_security_led</source>
        <translation>전방 보안 LED 사용</translation>
    </message>
    <message>
        <source>setting.basic.enable_rear_security_led</source>
        <translation>후방 보안 LED 사용</translation>
    </message>
    <message>
        <source>setting.basic.videoout</source>
        <translation>영상 출력</translation>
    </message>
    <message>
        <source>setting.basic.car_number_input</source>
        <translation>차량 번호 입력</translation>
    </message>
    <message>
        <source>setting.basic.cutoff_voltage_setting</source>
        <translation>저전압 차단 설정</translation>
    </message>
    <message>
        <source>setting.basic.set_voltage</source>
        <translation>차단 전압</translation>
    </message>
    <message>
        <source>setting.basic.set_timer</source>
        <translation>차단 타이머</translation>
    </message>
    <message>
        <source>setting.basic.power_guide</source>
        <translation>배터리 전압이 설정값 이하로 떨어지거나 설정 시간이 지나면 주차 녹화를 종료합니다.</translation>
    </message>
    <message>
        <source>setting.basic.use_external_power</source>
        <translation>외부 전원 사용</translation>
    </message>
    <message>
        <source>setting.basic.cable_voltage_loss</source>
        <translation>케이블 전압 손실 보정</translation>
    </message>
    <message>
        <source>setting.basic.pre_event</source>
        <translation>이벤트 선녹화</translation>
    </message>
    <message>
        <source>setting.basic.pre_event_use</source>
        <translation>사용</translation>
    </message>
    <message>
        <source>setting.basic.pre_event_notuse</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>setting.basic.external_rear_camera_settings</source>
        <translation>외장 후방 카메라 설정</translation>
    </message>
    <message>
        <source>setting.basic.external_rear_camera_use</source>
        <translation>외장 후방 카메라 사용</translation>
    </message>
    <message>
        <source>setting.basic.external_rear_camera_led_use_event</source>
        <translation>이벤트 녹화 시 LED 사용</translation>
    </message>
    <message>
        <source>setting.basic.external_rear_camera_led_use_motion</source>
        <translation>모션 녹화 시 LED 사용</translation>
    </message>
    <message>
        <source>setting.video.front_quality</source>
        <translation>전방 화질</translation>
    </message>
    <message>
        <source>setting.video.rear_quality</source>
        <translation>후방 화질</translation>
    </message>
    <message>
        <source>setting.video.quality_normal</source>
        <translation>표준</translation>
    </message>
    <message>
        <source>setting.video.quality_high</source>
        <translation>고화질</translation>
    </message>
    <message>
        <source>setting.video.quality_highest</source>
        <translation>최고화질</translation>
    </message>
    <message>
        <source>setting.video.front_setting</source>
        <translation>전방 영상 설정</translation>
    </message>
    <message>
        <source>setting.video.rear_setting</source>
        <translation>후방 영상 설정</translation>
    </message>
    <message>
        <source>setting.video.rear_reversal</source>
        <translation>후방 영상 반전</translation>
    </message>
    <message>
        <source>setting.video.rear_fps</source>
        <translation>후방 프레임 수</translation>
    </message>
    <message>
        <source>setting.video.front_tinting</source>
        <translation>전방 CPL 필터/썬팅</translation>
    </message>
    <message>
        <source>setting.video.rear_tinting</source>
        <translation>후방 썬팅</translation>
    </message>
    <message>
        <source>setting.video.cpl_filter_use</source>
        <translation>CPL 필터 사용 시 밝기를 높여 주세요.</translation>
    </message>
    <message>
        <source>setting.gps.weekly_alarm</source>
        <translation>요일제 알림</translation>
    </message>
    <message>
        <source>setting.gps.speed_display</source>
        <translation>속도 단위</translation>
    </message>
    <message>
        <source>setting.gps.timezone_setting</source>
        <translation>표준 시간대 설정</translation>
    </message>
    <message>
        <source>setting.gps.osd_speed_display</source>
        <translation>영상 속도 표시</translation>
    </message>
    <message>
        <source>setting.gps.driving_route_info_saving_interval</source>
        <translation>주행 경로 저장 간격</translation>
    </message>
    <message>
        <source>setting.gps.gps_on_parking_mode</source>
        <translation>주차 모드 GPS</translation>
    </message>
    <message>
        <source>setting.gps.gps_guide1</source>
        <translation>선택한 요일에 운행 제한 요일을 알려 줍니다.</translation>
    </message>
    <message>
        <source>setting.gps.gps_speed_guide1</source>
        <translation>녹화 영상에 GPS 속도를 표시합니다.</translation>
    </message>
    <message>
        <source>setting.gps.gps_time_guide1</source>
        <translation>GPS 시간을 기준으로 선택한 시간대의 시각을 맞춥니다.</translation>
    </message>
    <message>
        <source>setting.gps.gps_guide2</source>
        <translation>주차 모드에서 GPS를 끄면 전력 소모가 줄어듭니다.</translation>
    </message>
    <message>
        <source>setting.motion.sensitivity</source>
        <translation>모션 감지 감도</translation>
    </message>
    <message>
        <source>setting.motion.block</source>
        <translation>감지 영역</translation>
    </message>
    <message>
        <source>setting.motion.block_front</source>
        <translation>전방</translation>
    </message>
    <message>
        <source>setting.motion.block_rear</source>
        <translation>후방</translation>
    </message>
    <message>
        <source>setting.aux.front_sensitivity</source>
        <translation>전방 카메라</translation>
    </message>
    <message>
        <source>setting.aux.rear_sensitivity</source>
        <translation>후방 카메라</translation>
    </message>
    <message>
        <source>setting.aux.mic_volume</source>
        <translation>마이크 음량</translation>
    </message>
    <message>
        <source>setting.aux.speaker_volume</source>
        <translation>스피커 음량</translation>
    </message>
    <message>
        <source>setting.aux.volume_low</source>
        <translation>작게</translation>
    </message>
    <message>
        <source>setting.aux.volume_up</source>
        <translation>크게</translation>
    </message>
    <message>
        <source>setting.aux.enable_hourly_alarm</source>
        <translation>정시 알림 사용</translation>
    </message>
    <message>
        <source>setting.aux.enable_voice_guidance</source>
        <translation>음성 안내 언어</translation>
    </message>
    <message>
        <source>setting.aux.sdcard_capacity</source>
        <translation>SD 카드 용량 설정</translation>
    </message>
    <message>
        <source>setting.aux.always</source>
        <translation>상시</translation>
    </message>
    <message>
        <source>setting.aux.motion</source>
        <translation>모션</translation>
    </message>
    <message>
        <source>setting.aux.motion_sense_setting</source>
        <translation>모션 감지 설정</translation>
    </message>
    <message>
        <source>setting.aux.night_ae_setting</source>
        <translation>야간 노출 설정</translation>
    </message>
    <message>
        <source>setting.aux.low</source>
        <translation>낮음</translation>
    </message>
    <message>
        <source>setting.aux.medium_sedan</source>
        <translation>중간 (세단)</translation>
    </message>
    <message>
        <source>setting.aux.high_suv</source>
        <translation>높음 (SUV)</translation>
    </message>
    <message>
        <source>setting.aux.night_irfilter_setting</source>
        <translation>야간 IR 필터</translation>
    </message>
    <message>
        <source>setting.aux.lcd_auto_off</source>
        <translation>LCD 자동 꺼짐</translation>
    </message>
    <message>
        <source>setting.aux.country_ac_power_setting</source>
        <translation>국가별 전원 주파수</translation>
    </message>
    <message>
        <source>setting.aux.lcd_brightness</source>
        <translation>LCD 밝기</translation>
    </message>
    <message>
        <source>setting.aux.lcd_brightness_night</source>
        <translation>야간 LCD 밝기 조절</translation>
    </message>
    <message>
        <source>setting.aux.parking_rear_setting</source>
        <translation>주차 시 후방 카메라</translation>
    </message>
    <message>
        <source>setting.aux.lcd_screensaver</source>
        <translation>화면 보호기</translation>
    </message>
    <message>
        <source>setting.aux.parking_monitor_notice</source>
        <translation>주차 감시 알림</translation>
    </message>
    <message>
        <source>setting.aux.recording_length</source>
        <translation>녹화 파일 길이</translation>
    </message>
    <message>
        <source>setting.aux.pip_position</source>
        <translation>PIP 위치</translation>
    </message>
    <message>
        <source>setting.aux.wifi_settings</source>
        <translation>Wi-Fi 설정</translation>
    </message>
    <message>
        <source>setting.aux.ssid_length</source>
        <translation>네트워크 이름(SSID)은 5자 이상이어야 합니다.</translation>
    </message>
    <message>
        <source>setting.aux.ssid_invalid</source>
        <translation>네트워크 이름에 사용할 수 없는 문자가 있습니다.</translation>
    </message>
    <message>
        <source>setting.aux.password_length</source>
        <translation>비밀번호는 8자 이상이어야 합니다.</translation>
    </message>
    <message>
        <source>setting.aux.password_invalid</source>
        <translation>비밀번호에 사용할 수 없는 문자가 있습니다.</translation>
    </message>
    <message>
        <source>setting.aux.auto_format</source>
        <translation>자동 포맷 알림</translation>
    </message>
    <message>
        <source>setting.aux.4week</source>
        <translation>4주</translation>
    </message>
    <message>
        <source>setting.aux.8week</source>
        <translation>8주</translation>
    </message>
    <message>
        <source>setting.aux.16week</source>
        <translation>16주</translation>
    </message>
    <message>
        <source>setting.aux.32week</source>
        <translation>32주</translation>
    </message>
    <message>
        <source>setting.format.allocation_unit_size</source>
        <translation>할당 단위 크기</translation>
    </message>
    <message>
        <source>setting.format.filesystem</source>
        <translation>파일 시스템</translation>
    </message>
    <message>
        <source>setting.format.format</source>
        <translation>포맷</translation>
    </message>
    <message>
        <source>setting.flashdata.index</source>
        <translation>번호</translation>
    </message>
    <message>
        <source>setting.flashdata.seq</source>
        <translation>순번</translation>
    </message>
    <message>
        <source>setting.flashdata.date</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>setting.flashdata.time</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>setting.flashdata.yoil</source>
        <translation>요일</translation>
    </message>
    <message>
        <source>setting.flashdata.lat</source>
        <translation>위도</translation>
    </message>
    <message>
        <source>setting.flashdata.lon</source>
        <translation>경도</translation>
    </message>
    <message>
        <source>setting.flashdata.driving_distance</source>
        <translation>주행 거리</translation>
    </message>
    <message>
        <source>setting.flashdata.cur_speed</source>
        <translation>현재 속도</translation>
    </message>
    <message>
        <source>setting.flashdata.max_speed</source>
        <translation>최고 속도</translation>
    </message>
    <message>
        <source>setting.flashdata.value</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>setting.flashdata.battery</source>
        <translation>배터리</translation>
    </message>
    <message>
        <source>setting.flashdata.warning</source>
        <translation>SD 카드에 주행 기록 파일이 없습니다.</translation>
    </message>
    <message>
        <source>today</source>
        <translation>오늘</translation>
    </message>
    <message>
        <source>save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>use</source>
        <translation>사용</translation>
    </message>
    <message>
        <source>unuse</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>on</source>
        <translation>켜기</translation>
    </message>
    <message>
        <source>off</source>
        <translation>끄기</translation>
    </message>
    <message>
        <source>none</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>auto</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>default</source>
        <translation>기본</translation>
    </message>
    <message>
        <source>customize</source>
        <translation>사용자 설정</translation>
    </message>
    <message>
        <source>externpower</source>
        <translation>외부 전원</translation>
    </message>
    <message>
        <source>insensitive</source>
        <translation>둔감</translation>
    </message>
    <message>
        <source>sensitive</source>
        <translation>민감</translation>
    </message>
    <message>
        <source>brightness</source>
        <translation>밝기</translation>
    </message>
    <message>
        <source>nSecond_fmt</source>
        <translation>%d초</translation>
    </message>
    <message>
        <source>nMinute_fmt</source>
        <translation>%d분</translation>
    </message>
    <message>
        <source>nHour_fmt</source>
        <translation>%d시간</translation>
    </message>
    <message>
        <source>5min</source>
        <translation>5분</translation>
    </message>
    <message>
        <source>3min</source>
        <translation>3분</translation>
    </message>
    <message>
        <source>30fps</source>
        <translation>30fps</translation>
    </message>
    <message>
        <source>25fps</source>
        <translation>25fps</translation>
    </message>
    <message>
        <source>15fps</source>
        <translation>15fps</translation>
    </message>
    <message>
        <source>cpl_use</source>
        <translation>CPL 필터 사용</translation>
    </message>
    <message>
        <source>cpl_unuse</source>
        <translation>CPL 필터 미사용</translation>
    </message>
    <message>
        <source>light_tinting</source>
        <translation>옅은 썬팅</translation>
    </message>
    <message>
        <source>dark_tinting</source>
        <translation>짙은 썬팅</translation>
    </message>
    <message>
        <source>summerTime</source>
        <translation>서머타임</translation>
    </message>
    <message>
        <source>mon</source>
        <translation>월</translation>
    </message>
    <message>
        <source>tue</source>
        <translation>화</translation>
    </message>
    <message>
        <source>wed</source>
        <translation>수</translation>
    </message>
    <message>
        <source>thu</source>
        <translation>목</translation>
    </message>
    <message>
        <source>fri</source>
        <translation>금</translation>
    </message>
    <message>
        <source>sat</source>
        <translation>토</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>일</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>English</source>
        <translation>영어</translation>
    </message>
    <message>
        <source>French</source>
        <translation>프랑스어</translation>
    </message>
    <message>
        <source>Spanish.Europe</source>
        <translation>스페인어(유럽)</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>아랍어</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>중국어</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>러시아어</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>일본어</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>태국어</translation>
    </message>
    <message>
        <source>BahasaIndonesia</source>
        <translation>인도네시아어</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>베트남어</translation>
    </message>
    <message>
        <source>Mongolian</source>
        <translation>몽골어</translation>
    </message>
    <message>
        <source>Spanish.SouthAmerica</source>
        <translation>스페인어(남미)</translation>
    </message>
    <message>
        <source>German</source>
        <translation>독일어</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>터키어</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>이탈리아어</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>힌디어</translation>
    </message>
    <message>
        <source>Cantonese</source>
        <translation>광둥어</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>체코어</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>포르투갈어</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>말레이어</translation>
    </message>
    <message>
        <source>setting.aux.ssid</source>
        <translation>네트워크 이름(SSID)</translation>
    </message>
    <message>
        <source>setting.aux.password</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>setting.aux.channel</source>
        <translation>채널</translation>
    </message>
    <message>
        <source>setting.flashdata.record_count_one</source>
        <translation>기록 1건</translation>
    </message>
    <message>
        <source>setting.flashdata.record_count_fmt</source>
        <translation>기록 %d건</translation>
    </message>
    <message>
        <source>msg.export_fail</source>
        <translation>주행 기록을 이 파일에 쓰지 못했습니다.</translation>
    </message>
</context>
</TS>
