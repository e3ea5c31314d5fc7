// A SCORM 1.2 run-time of the test's own that holds a SCO to the letter of the data
// model: it rejects what the standard rejects (calls out of order, unknown elements,
// reading write-only and writing read-only elements, values outside their vocabulary,
// format or length) and records every rejection in `faults`. Loaded in the harness
// page that plays the LMS; `stored` is what the previous session left.
(function () {
  'use strict';
  var readOnly = ['cmi.core._children', 'cmi.core.student_id', 'cmi.core.student_name', 'cmi.core.credit',
    'cmi.core.entry', 'cmi.core.total_time', 'cmi.core.lesson_mode', 'cmi.launch_data', 'cmi._version'];
  var writeOnly = ['cmi.core.exit', 'cmi.core.session_time'];
  var readWrite = ['cmi.core.lesson_location', 'cmi.core.lesson_status', 'cmi.suspend_data', 'cmi.comments'];
  var statuses = ['passed', 'completed', 'failed', 'incomplete', 'browsed'];
  var exits = ['time-out', 'suspend', 'logout', ''];
  var timespan = /^([0-9]{2,4}):([0-5][0-9]):([0-5][0-9])(\.[0-9]{1,2})?$/;

  function StrictScorm12(stored) {
    stored = stored || {};
    this.faults = [];
    this.state = 'not initialised';
    this.error = '0';
    this.values = Object.create(null);
    this.values['cmi.core.lesson_location'] = stored.location || '';
    this.values['cmi.core.lesson_status'] = stored.status || 'not attempted';
    this.values['cmi.suspend_data'] = stored.suspendData || '';
    // A strict LMS resumes only a session that was suspended.
    this.values['cmi.core.entry'] = stored.exit === 'suspend' ? 'resume' : (stored.status ? '' : 'ab-initio');
    this.values['cmi.core.credit'] = 'credit';
    this.values['cmi.core.lesson_mode'] = 'normal';
    this.values['cmi.core.student_id'] = 'zk01';
    this.values['cmi.core.student_name'] = 'Žiak, Test';
    this.values['cmi.core.total_time'] = '0000:00:00.00';
    this.values['cmi.launch_data'] = '';
    this.values['cmi.comments'] = '';
    this.values['cmi._version'] = '3.4';
    this.values['cmi.core._children'] = 'student_id,student_name,lesson_location,credit,lesson_status,entry,total_time,lesson_mode,exit,session_time';
  }
  StrictScorm12.prototype.fail = function (code, what) {
    this.error = code;
    this.faults.push(code + ' ' + what);
    return 'false';
  };
  StrictScorm12.prototype.LMSInitialize = function (arg) {
    if (arg !== '') return this.fail('201', 'LMSInitialize(' + arg + ')');
    if (this.state !== 'not initialised') return this.fail('101', 'LMSInitialize twice');
    this.state = 'running';
    this.error = '0';
    return 'true';
  };
  StrictScorm12.prototype.LMSFinish = function (arg) {
    if (arg !== '') return this.fail('201', 'LMSFinish(' + arg + ')');
    if (this.state !== 'running') return this.fail('301', 'LMSFinish when ' + this.state);
    this.state = 'finished';
    this.error = '0';
    return 'true';
  };
  StrictScorm12.prototype.LMSCommit = function (arg) {
    if (arg !== '') return this.fail('201', 'LMSCommit(' + arg + ')');
    if (this.state !== 'running') return this.fail('301', 'LMSCommit when ' + this.state);
    this.error = '0';
    return 'true';
  };
  StrictScorm12.prototype.LMSGetValue = function (element) {
    if (this.state !== 'running') { this.fail('301', 'GetValue ' + element + ' when ' + this.state); return ''; }
    if (writeOnly.indexOf(element) >= 0) { this.fail('404', 'GetValue of write-only ' + element); return ''; }
    if (readOnly.indexOf(element) < 0 && readWrite.indexOf(element) < 0) { this.fail('401', 'GetValue ' + element); return ''; }
    this.error = '0';
    return this.values[element];
  };
  StrictScorm12.prototype.LMSSetValue = function (element, value) {
    if (this.state !== 'running') return this.fail('301', 'SetValue ' + element + ' when ' + this.state);
    if (typeof value !== 'string') return this.fail('405', 'SetValue ' + element + ' with a ' + typeof value);
    if (readOnly.indexOf(element) >= 0) return this.fail('403', 'SetValue of read-only ' + element);
    if (writeOnly.indexOf(element) < 0 && readWrite.indexOf(element) < 0) return this.fail('401', 'SetValue ' + element);
    var ok = true;
    if (element === 'cmi.core.lesson_location') ok = value.length <= 255;
    if (element === 'cmi.core.lesson_status') ok = statuses.indexOf(value) >= 0;
    if (element === 'cmi.core.exit') ok = exits.indexOf(value) >= 0;
    if (element === 'cmi.core.session_time') ok = timespan.test(value);
    if (element === 'cmi.suspend_data') ok = value.length <= 4096;
    if (element === 'cmi.comments') ok = value.length <= 4096;
    if (!ok) return this.fail('405', 'SetValue ' + element + ' = "' + value.slice(0, 80) + '" (' + value.length + ' characters)');
    this.values[element] = value;
    this.error = '0';
    return 'true';
  };
  StrictScorm12.prototype.LMSGetLastError = function () { return this.error; };
  StrictScorm12.prototype.LMSGetErrorString = function (code) { return 'error ' + code; };
  StrictScorm12.prototype.LMSGetDiagnostic = function (code) { return 'error ' + (code || this.error); };
  window.StrictScorm12 = StrictScorm12;
}());
