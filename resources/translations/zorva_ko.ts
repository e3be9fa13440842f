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
        <source>side.map</source>
        <translation>지도</translation>
    </message>
    <message>
        <source>map.no_position</source>
        <translation>GPS 위치 없음</translation>
    </message>
</context>
</TS>
